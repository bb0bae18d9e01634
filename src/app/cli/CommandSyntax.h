#pragma once
// One command of glimmora-cli as the tool knows it: its name, how it is
// called, what it does, its options and what its arguments name. The help,
// the manual page and shell completion are all made from these.

#include "app/cli/CommandLine.h"
#include "app/cli/WordKind.h"

#include <functional>
#include <string>
#include <vector>

namespace glimmora::cli {

// Where a command is listed in the help and the manual page.
enum class CommandGroup { Projects, Movies, Projectors, Information };

struct CommandSyntax {
    std::string name;
    std::vector<std::string> usage;  // each a way to call it, after the name
    std::string summary;             // one line for the command list
    // Paragraphs separated by a blank line. A line that starts with two
    // blanks is an example, shown as it stands.
    std::string description;
    std::vector<OptionSyntax> options;
    // What each positional argument names; with `repeatLast` the last kind
    // stands for any number of further arguments.
    std::vector<WordKind> arguments;
    bool repeatLast = false;
    CommandGroup group = CommandGroup::Movies;
    // Returns the exit code; throws UsageError for bad arguments, anything
    // else for an error of the work.
    std::function<int(const ParsedArgs&)> run;
    // Not listed (the tool's own plumbing); every word is an argument.
    bool hidden = false;
};

// The option "-o FILE, --output FILE" that most commands share.
OptionSyntax OutputOption(const std::string& help);

}  // namespace glimmora::cli
