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
    const CommandSpec* command = FindCommand(parsed.positional[0]);
    if (!command || command->hidden) throw UsageError("unknown command '" + parsed.positional[0] + "'");
    PrintCommandHelp(std::cout, *command);
    return 0;
}

}  // namespace

CommandSpec HelpCommand()
{
    CommandSpec spec;
    spec.name = "help";
    spec.usage = {"[COMMAND]"};
    spec.summary = "Shows the list of commands, or the help of one command.";
    spec.arguments = {WordKind::Command};
    spec.group = CommandGroup::Information;
    spec.run = RunHelp;
    return spec;
}

}  // namespace glimmora::cli
