// How glimmora-cli splits a command line: options by any of their names,
// "--name=value", "--", and negative numbers and words with blanks as
// arguments.

#include "app/cli/CommandLine.h"

#include <gtest/gtest.h>

namespace glimmora::cli {
namespace {

const std::vector<OptionSyntax> kOptions = {
    {{"-o", "--output"}, "FILE", "out"},
    {{"--new"}, "", "switch"},
    {{"--at"}, "X,Y", "place"},
};

TEST(CliCommandLine, SplitsWordsByTheOptions)
{
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::vector<std::string> positional;
        std::string output;  // value of -o, "" when not given
        bool isNew;
        std::string at;
    };
    const Case cases[] = {
        {"short name", {"a.gmr", "-o", "x.swf"}, {"a.gmr"}, "x.swf", false, ""},
        {"long name", {"--output", "x.swf", "a.gmr"}, {"a.gmr"}, "x.swf", false, ""},
        {"inline value", {"--output=x=1.swf", "a.gmr"}, {"a.gmr"}, "x=1.swf", false, ""},
        {"last value wins", {"-o", "1", "--output", "2"}, {}, "2", false, ""},
        {"switch", {"a", "--new", "b"}, {"a", "b"}, "", true, ""},
        {"negative numbers are arguments", {"P", "Text_1", "PositionX", "-20"}, {"P", "Text_1", "PositionX", "-20"}, "", false, ""},
        {"negative number as a value", {"--at", "-5,-6", "-0.5"}, {"-0.5"}, "", false, "-5,-6"},
        {"double dash ends options", {"P", "--", "--new", "-o"}, {"P", "--new", "-o"}, "", false, ""},
        {"a lone dash is an argument", {"-"}, {"-"}, "", false, ""},
        {"a word with a blank is an argument", {"P", "Pic_1", "EffectName", "-- None --"},
         {"P", "Pic_1", "EffectName", "-- None --"}, "", false, ""},
        {"a blank after the name is the value's", {"--output=my movie.swf", "-- x"}, {"-- x"}, "my movie.swf", false, ""},
    };
    for (const Case& c : cases) {
        const ParsedArgs parsed = ParseArgs(c.args, kOptions);
        EXPECT_EQ(parsed.positional, c.positional) << c.name;
        EXPECT_EQ(parsed.Option("-o").value_or(""), c.output) << c.name;
        EXPECT_EQ(parsed.Option("--output").value_or(""), c.output) << c.name << ": asked by its other name";
        EXPECT_EQ(parsed.Flag("--new"), c.isNew) << c.name;
        EXPECT_EQ(parsed.Option("--at").value_or(""), c.at) << c.name;
    }
}

TEST(CliCommandLine, BadOptionsAreUsageErrorsThatNameThem)
{
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"-x"}, "unknown option -x"},
        {{"--frobnicate=1"}, "unknown option --frobnicate"},
        {{"a", "-o"}, "option -o needs a value (FILE)"},
        {{"--new=yes"}, "option --new takes no value"},
    };
    for (const Case& c : cases) {
        try {
            ParseArgs(c.args, kOptions);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const UsageError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

}  // namespace
}  // namespace glimmora::cli
