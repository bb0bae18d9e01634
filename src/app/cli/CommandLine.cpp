#include "app/cli/CommandLine.h"

#include <algorithm>
#include <cctype>

namespace glimmora::cli {

std::optional<int> ParseNumber(const std::string& text)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(text);
}

std::pair<int, int> ParsePair(const std::string& text, char separator, const std::string& what)
{
    const size_t at = text.find(separator);
    const auto a = at == std::string::npos ? std::nullopt : ParseNumber(text.substr(0, at));
    const auto b = at == std::string::npos ? std::nullopt : ParseNumber(text.substr(at + 1));
    if (!a || !b) throw UsageError("'" + text + "' is not " + what);
    return {*a, *b};
}

std::string ParsedArgs::Canonical(const std::string& name) const
{
    const auto it = aliases.find(name);
    return it == aliases.end() ? name : it->second;
}

std::optional<std::string> ParsedArgs::Option(const std::string& name) const
{
    const auto it = options.find(Canonical(name));
    if (it == options.end()) return std::nullopt;
    return it->second;
}

bool ParsedArgs::Flag(const std::string& name) const { return flags.count(Canonical(name)) != 0; }

bool IsNegativeNumber(const std::string& word)
{
    if (word.size() < 2 || word[0] != '-') return false;
    bool digit = false, point = false;
    for (size_t i = 1; i < word.size(); ++i) {
        const char c = word[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

bool IsOptionWord(const std::string& word)
{
    if (word.size() < 2 || word[0] != '-' || IsNegativeNumber(word)) return false;
    return word.substr(0, word.find('=')).find_first_of(" \t") == std::string::npos;
}

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<OptionSyntax>& options)
{
    ParsedArgs parsed;
    for (const OptionSyntax& option : options)
        for (const std::string& name : option.names) parsed.aliases[name] = option.Name();
    const auto find = [&](const std::string& name) -> const OptionSyntax* {
        for (const OptionSyntax& option : options)
            if (std::find(option.names.begin(), option.names.end(), name) != option.names.end()) return &option;
        return nullptr;
    };

    bool onlyPositional = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (onlyPositional || !IsOptionWord(word)) {
            parsed.positional.push_back(word);
            continue;
        }
        if (word == "--") {
            onlyPositional = true;
            continue;
        }
        std::string name = word;
        std::optional<std::string> inlineValue;
        if (const size_t equals = word.find('='); word.rfind("--", 0) == 0 && equals != std::string::npos) {
            name = word.substr(0, equals);
            inlineValue = word.substr(equals + 1);
        }
        const OptionSyntax* option = find(name);
        if (!option) throw UsageError("unknown option " + name);
        if (!option->TakesValue()) {
            if (inlineValue) throw UsageError("option " + name + " takes no value");
            parsed.flags.insert(option->Name());
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) throw UsageError("option " + name + " needs a value (" + option->value + ")");
            inlineValue = args[++i];
        }
        parsed.options[option->Name()] = *inlineValue;
    }
    return parsed;
}

}  // namespace glimmora::cli
