#pragma once
// The little argument parsing the commands share: positional arguments and
// options with one value ("-o FILE", "--frame 3").

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace glimmora::cli {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ParsedArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    std::set<std::string> flags;

    std::optional<std::string> Option(const std::string& name) const
    {
        auto it = options.find(name);
        if (it == options.end()) return std::nullopt;
        return it->second;
    }
    bool Flag(const std::string& name) const { return flags.count(name) != 0; }
};

// A whole number of at most nine digits, or nothing.
std::optional<int> ParseNumber(const std::string& text);
// "A-B" or "WxH": two numbers around `separator`; throws UsageError saying
// that `text` is not `what`.
std::pair<int, int> ParsePair(const std::string& text, char separator, const std::string& what);

// `valued` lists the options that take a value; `switches` those that do not.
ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::set<std::string>& valued,
                     const std::set<std::string>& switches = {});

}  // namespace glimmora::cli
