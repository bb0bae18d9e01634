// glimmora-cli --help, --version and the help of each command: every command
// of the table is listed and explains its options; usage errors say how to
// read more.

#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"
#include "support/ProjectFixtures.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

using cli::CommandSyntax;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(CliHelp, ToolHelpListsEveryCommandAndTheExitCodes)
{
    const ProcessResult run = RunCli({"--help"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.rfind("Usage: glimmora-cli COMMAND", 0) == 0) << run.out;
    for (const CommandSyntax& command : cli::Commands()) {
        if (command.hidden) continue;
        EXPECT_TRUE(Contains(run.out, "\n  " + command.name + " ")) << command.name << " is listed:\n" << run.out;
        EXPECT_TRUE(Contains(run.out, command.summary.substr(0, 20))) << command.name;
    }
    for (const cli::ExitCodeMeaning& exit : cli::ExitCodeMeanings())
        EXPECT_TRUE(Contains(run.out, "\n  " + std::to_string(exit.code) + " ")) << exit.code;
    EXPECT_EQ(RunCli({"-h"}).out, run.out);
    EXPECT_EQ(RunCli({"help"}).out, run.out);
}

TEST(CliHelp, EachCommandExplainsItsUsageAndOptions)
{
    for (const CommandSyntax& command : cli::Commands()) {
        if (command.hidden) continue;
        const ProcessResult run = RunCli({command.name, "--help"});
        ASSERT_EQ(run.exitCode, 0) << command.name << ": " << run.err;
        EXPECT_TRUE(run.out.rfind("Usage: glimmora-cli " + command.name + " ", 0) == 0) << run.out;
        for (const cli::OptionSyntax& option : command.options)
            for (const std::string& name : option.names)
                EXPECT_TRUE(Contains(run.out, name)) << command.name << " explains " << name << ":\n" << run.out;
        EXPECT_TRUE(Contains(run.out, "--version")) << command.name;
        EXPECT_EQ(RunCli({"help", command.name}).out, run.out) << command.name;
        EXPECT_EQ(RunCli({command.name, "some", "-h"}).out, run.out) << command.name << ": -h anywhere";
    }
}

TEST(CliHelp, LinesFitATerminal)
{
    std::string all = RunCli({"--help"}).out;
    for (const CommandSyntax& command : cli::Commands())
        if (!command.hidden) all += RunCli({command.name, "--help"}).out;
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        if (end == std::string::npos) end = all.size();
        EXPECT_LE(end - start, 79u) << all.substr(start, end - start);
        start = end + 1;
    }
}

TEST(CliHelp, VersionIsTheProjectsForTheToolAndEveryCommand)
{
    const std::string expected = std::string("glimmora-cli ") + GLIMMORA_VERSION + "\n";
    EXPECT_EQ(RunCli({"--version"}).out, expected);
    for (const CommandSyntax& command : cli::Commands()) {
        if (command.hidden) continue;
        const ProcessResult run = RunCli({command.name, "--version"});
        EXPECT_EQ(run.exitCode, 0) << command.name;
        EXPECT_EQ(run.out, expected) << command.name;
    }
}

TEST(CliHelp, UsageErrorsSayWhatIsWrongAndWhereToReadMore)
{
    struct Case {
        std::vector<std::string> args;
        std::string message;
        std::string hint;
    };
    const Case cases[] = {
        {{}, "Usage: glimmora-cli COMMAND", "Try 'glimmora-cli --help'"},
        {{"frobnicate"}, "unknown command 'frobnicate'", "Try 'glimmora-cli --help'"},
        {{"--frobnicate"}, "unknown option --frobnicate", "Try 'glimmora-cli --help'"},
        {{"build", "a.gmr", "--frobnicate"}, "unknown option --frobnicate", "Try 'glimmora-cli build --help'"},
        {{"build", "a.gmr", "-o"}, "option -o needs a value", "Usage: glimmora-cli build "},
        {{"help", "frobnicate"}, "unknown command 'frobnicate'", "Try 'glimmora-cli help --help'"},
    };
    for (const Case& c : cases) {
        const ProcessResult run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, cli::kExitUsage) << c.message;
        EXPECT_TRUE(Contains(run.err, c.message)) << run.err;
        EXPECT_TRUE(Contains(run.err, c.hint)) << run.err;
        EXPECT_EQ(run.out, "") << c.message;
    }
}

}  // namespace
}  // namespace glimmora::test
