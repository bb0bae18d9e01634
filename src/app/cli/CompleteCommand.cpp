// glimmora-cli __complete WORDS...: what the bash completion script offers
// (see Completion.h). Not listed in the help.

#include "app/cli/Commands.h"
#include "app/cli/Completion.h"

#include <iostream>

namespace glimmora::cli {

namespace {

int RunComplete(const ParsedArgs& parsed)
{
    const Completion completion = Complete(parsed.positional);
    std::cout << completion.what;
    if (completion.what == "files")
        for (const std::string& extension : completion.words) std::cout << ' ' << extension;
    std::cout << '\n';
    if (completion.what == "words")
        for (const std::string& word : completion.words) std::cout << word << '\n';
    return 0;
}

}  // namespace

CommandSyntax CompleteCommand()
{
    CommandSyntax syntax;
    syntax.name = "__complete";
    syntax.usage = {"WORDS..."};
    syntax.summary = "Shell completion.";
    syntax.group = CommandGroup::Information;
    syntax.hidden = true;
    syntax.run = RunComplete;
    return syntax;
}

}  // namespace glimmora::cli
