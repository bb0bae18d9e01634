#include "app/cli/HelpText.h"

#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"

#include <sstream>

namespace glimmora::cli {

namespace {

constexpr size_t kWidth = 79;
constexpr const char* kTool = "glimmora-cli";

// `title` in a column of `column` characters, then `text` wrapped beside it.
void PrintEntry(std::ostream& out, const std::string& title, const std::string& text, size_t column)
{
    std::string wrapped = Wrap(text, kWidth, column);
    const std::string head = "  " + title;
    if (head.size() + 1 < column) {
        out << head << wrapped.substr(head.size()) << '\n';
    } else {
        out << head << '\n' << wrapped << '\n';
    }
}

void PrintDescription(std::ostream& out, const std::string& description)
{
    std::istringstream lines(description);
    std::string line, paragraph;
    const auto flush = [&] {
        if (!paragraph.empty()) out << Wrap(paragraph, kWidth, 2) << '\n';
        paragraph.clear();
    };
    while (std::getline(lines, line)) {
        if (line.empty()) {
            flush();
            out << '\n';
        } else if (line.rfind("  ", 0) == 0) {
            flush();
            out << "  " << line << '\n';
        } else {
            paragraph += (paragraph.empty() ? "" : " ") + line;
        }
    }
    flush();
}

// The words of a usage line; a bracketed group ("[-o OUT.swf]") is one word.
std::vector<std::string> UsageWords(const std::string& usage)
{
    std::vector<std::string> words;
    std::string word;
    int depth = 0;
    for (const char c : usage) {
        if (c == ' ' && depth == 0) {
            if (!word.empty()) words.push_back(word);
            word.clear();
            continue;
        }
        depth += (c == '[') - (c == ']');
        word += c;
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

// "Usage: glimmora-cli NAME ..." for each way to call the command, wrapped
// under its first argument.
void PrintUsageLines(std::ostream& out, const CommandSyntax& command)
{
    for (size_t i = 0; i < command.usage.size(); ++i) {
        const std::string head = std::string(i == 0 ? "Usage: " : "       ") + kTool + ' ' + command.name;
        std::string line = head;
        for (const std::string& word : UsageWords(command.usage[i])) {
            if (line.size() > head.size() && line.size() + 1 + word.size() > kWidth) {
                out << line << '\n';
                line = std::string(head.size(), ' ');
            }
            line += ' ' + word;
        }
        out << line << '\n';
    }
}

void PrintOptions(std::ostream& out, const std::vector<OptionSyntax>& options)
{
    for (const OptionSyntax& option : options) PrintEntry(out, OptionTitle(option), option.help, 26);
}

}  // namespace

std::string VersionLine() { return std::string(kTool) + " " + GLIMMORA_VERSION_TEXT; }

const std::vector<OptionSyntax>& CommonOptions()
{
    static const std::vector<OptionSyntax> options = {
        {{"-h", "--help"}, "", "Shows this help and ends."},
        {{"--version"}, "", "Shows the version and ends."},
    };
    return options;
}

std::string GroupTitle(CommandGroup group)
{
    switch (group) {
    case CommandGroup::Projects: return "Making and changing projects";
    case CommandGroup::Movies: return "Making movies and pictures";
    case CommandGroup::Projectors: return "Projectors";
    case CommandGroup::Information: return "Information";
    }
    return "";
}

std::string OptionTitle(const OptionSyntax& option)
{
    std::string title;
    for (const std::string& name : option.names) title += (title.empty() ? "" : ", ") + name;
    if (option.names.front().rfind("--", 0) == 0) title = "    " + title;
    if (option.TakesValue()) title += " " + option.value;
    return title;
}

std::string Wrap(const std::string& text, size_t width, size_t indent)
{
    std::istringstream words(text);
    std::string word, result, line;
    while (words >> word) {
        if (!line.empty() && indent + line.size() + 1 + word.size() > width) {
            result += std::string(indent, ' ') + line + '\n';
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) result += std::string(indent, ' ') + line + '\n';
    if (!result.empty()) result.pop_back();
    return result;
}

void PrintToolHelp(std::ostream& out)
{
    out << "Usage: " << kTool << " COMMAND [ARGUMENTS] [OPTIONS]\n"
        << "Makes, changes and builds Glimmora movies without the editor.\n";
    for (CommandGroup group : {CommandGroup::Projects, CommandGroup::Movies, CommandGroup::Projectors,
                               CommandGroup::Information}) {
        out << '\n' << GroupTitle(group) << ":\n";
        for (const CommandSyntax& command : Commands())
            if (command.group == group && !command.hidden) PrintEntry(out, command.name, command.summary, 18);
    }
    out << "\nOptions:\n";
    PrintOptions(out, CommonOptions());
    out << "\nExit codes:\n";
    for (const ExitCodeMeaning& exit : ExitCodeMeanings()) PrintEntry(out, std::to_string(exit.code), exit.meaning, 6);
    out << "\nThe help of one command: " << kTool << " help COMMAND\n";
}

void PrintCommandHelp(std::ostream& out, const CommandSyntax& command)
{
    PrintUsageLines(out, command);
    out << command.summary << "\n\n";
    if (!command.description.empty()) {
        PrintDescription(out, command.description);
        out << '\n';
    }
    out << "Options:\n";
    PrintOptions(out, command.options);
    PrintOptions(out, CommonOptions());
}

void PrintUsageHint(std::ostream& out, const CommandSyntax* command)
{
    if (!command) {
        out << "Usage: " << kTool << " COMMAND [ARGUMENTS] [OPTIONS]\n"
            << "Try '" << kTool << " --help' for the list of commands.\n";
        return;
    }
    PrintUsageLines(out, *command);
    out << "Try '" << kTool << ' ' << command->name << " --help' for more.\n";
}

}  // namespace glimmora::cli
