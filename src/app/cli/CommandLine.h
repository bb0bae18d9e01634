#pragma once
// The shape of a command line: the options a command takes, and its words
// split into positional arguments, option values and switches.

#include "app/cli/WordKind.h"

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

// One option of a command. The first name is the one ParsedArgs files it
// under; every name finds it.
struct OptionSyntax {
    std::vector<std::string> names;  // "-o", "--output"
    std::string value;               // the value's placeholder ("FILE"); empty for a switch
    std::string help;                // one sentence
    WordKind completes = WordKind::Nothing;

    bool TakesValue() const { return !value.empty(); }
    const std::string& Name() const { return names.front(); }
};

struct ParsedArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // by the option's first name
    std::set<std::string> flags;                 // by the switch's first name
    std::map<std::string, std::string> aliases;  // every name -> first name

    // The value of an option, asked for by any of its names.
    std::optional<std::string> Option(const std::string& name) const;
    bool Flag(const std::string& name) const;

private:
    std::string Canonical(const std::string& name) const;
};

// Splits `args` by `options`. "--name=value" gives a value too; "--" ends the
// options, and a word like "-12" or "-- None --" is a value, not an option
// (IsOptionWord). A repeated
// option keeps its last value. Throws UsageError for an unknown option or a
// missing value.
ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<OptionSyntax>& options);

// Whether `word` reads as a negative number ("-5", "-0.5").
bool IsNegativeNumber(const std::string& word);
// Whether `word` is read as an option (or as "--"): it starts with a dash, is
// no negative number, and its name (up to a "=") has no blank, as no option's
// name has one. So "-20" and the effect name "-- None --" are values.
bool IsOptionWord(const std::string& word);

// A whole number of at most nine digits, or nothing.
std::optional<int> ParseNumber(const std::string& text);
// "A-B" or "WxH": two numbers around `separator`; throws UsageError saying
// that `text` is not `what`.
std::pair<int, int> ParsePair(const std::string& text, char separator, const std::string& what);

}  // namespace glimmora::cli
