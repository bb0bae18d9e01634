// The manual pages: glimmora-cli's is made from the command table, so every
// command, option and exit code is in it; all three read without a warning
// from groff.

#include "app/cli/Commands.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/ManPage.h"
#include "support/ProcessRunner.h"
#include "support/TempDir.h"
#include "support/ProjectFixtures.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <sstream>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(CliManPage, CoversEveryCommandOptionAndExitCode)
{
    std::ostringstream roff;
    cli::WriteManPage(roff);
    const std::string page = roff.str();
    for (const cli::CommandSyntax& command : cli::Commands()) {
        if (command.hidden) {
            EXPECT_FALSE(Contains(page, command.name)) << command.name;
            continue;
        }
        EXPECT_TRUE(Contains(page, ".SS \"glimmora\\-cli " + cli::RoffText(command.name) + " ")) << command.name;
        for (const cli::OptionSyntax& option : command.options)
            for (const std::string& name : option.names)
                EXPECT_TRUE(Contains(page, "\\fB" + cli::RoffText(name) + "\\fR")) << command.name << " " << name;
    }
    for (const cli::ExitCodeMeaning& exit : cli::ExitCodeMeanings())
        EXPECT_TRUE(Contains(page, ".B " + std::to_string(exit.code) + "\n" + cli::RoffText(exit.meaning))) << exit.code;
}

TEST(CliManPage, RoffTextEscapesWhatRoffWouldRead)
{
    EXPECT_EQ(cli::RoffText("--frames A-B"), "\\-\\-frames A\\-B");
    EXPECT_EQ(cli::RoffText("a\\b"), "a\\eb");
    EXPECT_EQ(cli::RoffText(".hidden"), "\\&.hidden");
    EXPECT_EQ(cli::RoffText("'quoted'"), "\\&'quoted'");
}

// groff's warnings about a page (bad macros, escapes, breaks), or "" when clean.
std::string GroffWarnings(const fs::path& page)
{
    const ProcessResult run = RunProcess({"groff", "-man", "-ww", "-z", "-t", page.string()});
    return run.exitCode == 0 ? run.err : "exit " + std::to_string(run.exitCode) + ": " + run.err;
}

TEST(CliManPage, PagesReadWithoutWarnings)
{
    if (RunProcess({"groff", "--version"}).exitCode != 0) GTEST_SKIP() << "groff is not installed";
    TempDir dir;
    std::ostringstream roff;
    cli::WriteManPage(roff);
    WriteFile(dir / "glimmora-cli.1", roff.str());
    EXPECT_EQ(GroffWarnings(dir / "glimmora-cli.1"), "");
    for (const char* page : {"dist/man/glimmora.1", "dist/man/glimmora-player.1"})
        EXPECT_EQ(GroffWarnings(fs::path(GLIMMORA_SOURCE_DIR) / page), "") << page;
}

}  // namespace
}  // namespace glimmora::test
