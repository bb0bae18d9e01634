#include "app/cli/CommandLine.h"

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

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::set<std::string>& valued,
                     const std::set<std::string>& switches)
{
    ParsedArgs parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 1 && a[0] == '-') {
            if (valued.count(a)) {
                if (i + 1 >= args.size()) throw UsageError("option " + a + " needs a value");
                parsed.options[a] = args[++i];
            } else if (switches.count(a)) {
                parsed.flags.insert(a);
            } else {
                throw UsageError("unknown option " + a);
            }
        } else {
            parsed.positional.push_back(a);
        }
    }
    return parsed;
}

}  // namespace glimmora::cli
