#pragma once
// What `--help`, `help` and `--version` print, and the hint after a usage
// error. Made from the command table, so a new command is listed as soon as
// it is in the table.

#include "app/cli/CommandSyntax.h"

#include <ostream>
#include <string>

namespace glimmora::cli {

// "glimmora-cli 3.5.1".
std::string VersionLine();

// The options every command takes besides its own.
const std::vector<OptionSyntax>& CommonOptions();

// The group's heading in the help ("Projects").
std::string GroupTitle(CommandGroup group);

void PrintToolHelp(std::ostream& out);
void PrintCommandHelp(std::ostream& out, const CommandSyntax& command);

// After a usage error: the command's usage lines (or the tool's) and where
// to read more.
void PrintUsageHint(std::ostream& out, const CommandSyntax* command);

// "-o, --output FILE".
std::string OptionTitle(const OptionSyntax& option);

// `text` in lines of at most `width` characters, each after `indent` blanks.
std::string Wrap(const std::string& text, size_t width, size_t indent);

}  // namespace glimmora::cli
