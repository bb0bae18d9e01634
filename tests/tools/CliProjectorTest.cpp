// glimmora-cli swf-to-exe and exe-to-swf: the files they write, their
// default names, messages and exit codes.

#include "ToolFiles.h"

#include "support/ProjectFixtures.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;

class CliProjector : public PlayerAndMovieTest {
protected:
    CliProjector() : PlayerAndMovieTest("player", 700, 300) {}
};

TEST_F(CliProjector, SwfToExeAndBackWithDefaultNames)
{
    const ProcessResult made = RunCli({"swf-to-exe", movie.string(), "--player", player.string()});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_NE(made.out.find((dir / "movie.exe").string()), std::string::npos) << made.out;
    EXPECT_EQ(ReadBytes(dir / "movie.exe"), Join({playerBytes, swf, kMarker, U32LE(300)}));

    fs::remove(movie);
    const ProcessResult back = RunCli({"exe-to-swf", (dir / "movie.exe").string()});
    ASSERT_EQ(back.exitCode, 0) << back.err;
    EXPECT_EQ(ReadBytes(movie), swf);
}

TEST_F(CliProjector, OutputNamesAreTakenAsGiven)
{
    ASSERT_EQ(RunCli({"swf-to-exe", movie.string(), "-o", (dir / "show").string(), "--player", player.string()})
                  .exitCode,
              0);
    ASSERT_EQ(RunCli({"exe-to-swf", (dir / "show").string(), "--output", (dir / "again.swf").string()}).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir / "again.swf"), swf);
    EXPECT_NE(fs::status(dir / "show").permissions() & fs::perms::owner_exec, fs::perms::none);
}

TEST_F(CliProjector, FailuresSayWhyWithTheirExitCodes)
{
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    };
    WriteBytes(dir / "plain.exe", PlayerLike(50));
    const Case cases[] = {
        {"no projector", {"exe-to-swf", (dir / "plain.exe").string()}, 1, "Unknown type of executable flash file!"},
        {"missing projector", {"exe-to-swf", (dir / "none.exe").string()}, 1, (dir / "none.exe").string()},
        {"missing player", {"swf-to-exe", movie.string(), "--player", (dir / "nope").string()}, 1, "is missing"},
        {"a device as player", {"swf-to-exe", movie.string(), "-o", (dir / "zero.exe").string(), "--player", "/dev/zero"},
         1, "is not the Glimmora player program"},
        {"another program as player",
         {"swf-to-exe", movie.string(), "-o", (dir / "sh.exe").string(), "--player", "/bin/sh"}, 1,
         "is not the Glimmora player program"},
        {"the command-line tool as player",
         {"swf-to-exe", movie.string(), "-o", (dir / "cli.exe").string(), "--player", ProgramPath("glimmora-cli").string()},
         1, "is not the Glimmora player program"},
        {"missing movie", {"swf-to-exe", (dir / "none.swf").string(), "--player", player.string()}, 1,
         (dir / "none.swf").string()},
        {"target is the source", {"exe-to-swf", movie.string()}, 1, "source file itself"},
        {"no file", {"swf-to-exe"}, 2, "swf-to-exe takes one movie file"},
        {"two files", {"exe-to-swf", "a", "b"}, 2, "exe-to-swf takes one projector file"},
        {"unknown option", {"exe-to-swf", "a", "--player", "p"}, 2, "unknown option --player"},
    };
    for (const Case& c : cases) {
        const ProcessResult run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.name << ": " << run.err;
    }
    EXPECT_FALSE(fs::exists(dir / "plain.swf"));
    EXPECT_FALSE(fs::exists(dir / "none.exe"));
    for (const char* made : {"zero.exe", "sh.exe", "cli.exe"}) EXPECT_FALSE(fs::exists(dir / made)) << made;
    EXPECT_EQ(ReadBytes(movie), swf);
}

}  // namespace
}  // namespace glimmora::test
