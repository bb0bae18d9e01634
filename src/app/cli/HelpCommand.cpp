// glimmora-cli help [COMMAND]: the list of commands, or one command's help.

#include "app/cli/Commands.h"
#include "app/cli/HelpText.h"

#include <iostream>

namespace glimmora::cli {

namespace {

int RunHelp(const ParsedArgs& parsed)
{
    if (parsed.positional.size() > 1) throw UsageError("help takes at most one command");
    if (parsed.positional.empty()) {
        PrintToolHelp(std::cout);
        return 0;
    }
    const CommandSyntax* command = FindCommand(parsed.positional[0]);
    if (!command || command->hidden) throw UsageError("unknown command '" + parsed.positional[0] + "'");
    PrintCommandHelp(std::cout, *command);
    return 0;
}

}  // namespace

CommandSyntax HelpCommand()
{
    CommandSyntax syntax;
    syntax.name = "help";
    syntax.usage = {"[COMMAND]"};
    syntax.summary = "Shows the list of commands, or the help of one command.";
    syntax.arguments = {WordKind::Command};
    syntax.group = CommandGroup::Information;
    syntax.run = RunHelp;
    return syntax;
}

}  // namespace glimmora::cli
