// glimmora-cli: makes, changes, builds and converts Glimmora movies without
// the editor.

#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/HelpText.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

namespace {

using namespace glimmora::cli;

// Whether the words ask for `name` ("--help", "-h") before a "--".
bool Asks(const std::vector<std::string>& args, std::initializer_list<const char*> names)
{
    const auto end = std::find(args.begin(), args.end(), "--");
    return std::any_of(args.begin(), end, [&](const std::string& word) {
        return std::any_of(names.begin(), names.end(), [&](const char* name) { return word == name; });
    });
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsageHint(std::cerr, nullptr);
        return kExitUsage;
    }
    const std::string name = args.front();
    args.erase(args.begin());
    if (name == "-h" || name == "--help") {
        PrintToolHelp(std::cout);
        return kExitSuccess;
    }
    if (name == "--version") {
        std::cout << VersionLine() << '\n';
        return kExitSuccess;
    }

    const CommandSyntax* command = FindCommand(name);
    try {
        if (!command) throw UsageError(name.rfind('-', 0) == 0 ? "unknown option " + name
                                                                 : "unknown command '" + name + "'");
        if (!command->hidden && Asks(args, {"-h", "--help"})) {
            PrintCommandHelp(std::cout, *command);
            return kExitSuccess;
        }
        if (!command->hidden && Asks(args, {"--version"})) {
            std::cout << VersionLine() << '\n';
            return kExitSuccess;
        }
        if (command->hidden) {
            ParsedArgs words;
            words.positional = args;
            return command->run(words);
        }
        return command->run(ParseArgs(args, command->options));
    } catch (const UsageError& e) {
        std::cerr << "glimmora-cli: " << e.what() << '\n';
        PrintUsageHint(std::cerr, command);
        return kExitUsage;
    } catch (const std::bad_alloc&) {
        std::cerr << "glimmora-cli: there is not enough memory for this\n";
        return kExitFailure;
    } catch (const std::exception& e) {
        std::cerr << "glimmora-cli: " << e.what() << '\n';
        return kExitFailure;
    }
}
