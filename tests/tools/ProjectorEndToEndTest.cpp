// A projector made from the real glimmora-player and a movie built by the
// command-line tool starts, plays frames, and gives its movie back.

#include "ToolFiles.h"

#include "support/ProjectFixtures.h"
#include "tools/files/ScreenSaverFile.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;

// Builds "show.swf", a movie of one text, in `dir`.
void BuildShowMovie(const TempDir& dir)
{
    WriteFile(dir / "show.gmr", MovieXml(StaticTextXml("Text_1", "Hello", 10, 10)));
    ASSERT_EQ(RunCli({"build", (dir / "show.gmr").string()}).exitCode, 0);
}

TEST(ProjectorEndToEnd, AProjectorPlaysAndGivesItsMovieBackByteForByte)
{
    const fs::path player = ProgramPath("glimmora-player");
    if (!fs::exists(player)) GTEST_SKIP() << "glimmora-player is not built";
    TempDir dir;
    ASSERT_NO_FATAL_FAILURE(BuildShowMovie(dir));
    const Bytes swf = ReadBytes(dir / "show.swf");
    ASSERT_FALSE(swf.empty());

    const ProcessResult made = RunCli({"swf-to-exe", (dir / "show.swf").string()});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    const Bytes projector = ReadBytes(dir / "show.exe");
    const Bytes head = ReadBytes(player);
    ASSERT_EQ(projector.size(), head.size() + swf.size() + 8);
    EXPECT_TRUE(std::equal(head.begin(), head.end(), projector.begin())) << "the player beside the tool leads";

    // The movie has 10 frames: 25 frames shown means it started, played and looped.
    const ProcessResult run = RunPlayerFor(25, {(dir / "show.exe").string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("played 25 frames"), std::string::npos) << run.out << run.err;

    fs::rename(dir / "show.swf", dir / "original.swf");
    const ProcessResult back = RunCli({"exe-to-swf", (dir / "show.exe").string()});
    ASSERT_EQ(back.exitCode, 0) << back.err;
    EXPECT_EQ(ReadBytes(dir / "show.swf"), swf);
}

TEST(ProjectorEndToEnd, AScreensaverFileOfTheRealPlayerPlaysFullScreen)
{
    const fs::path player = ProgramPath("glimmora-player");
    if (!fs::exists(player)) GTEST_SKIP() << "glimmora-player is not built";
    TempDir dir;
    ASSERT_NO_FATAL_FAILURE(BuildShowMovie(dir));
    ASSERT_TRUE(tools::MakeScreenSaver(dir / "show.swf", dir / "Tessaly.scr", player));

    // As the desktop entry starts it, and as Windows would.
    for (const char* argument : {"-root", "/s"}) {
        const ProcessResult run = RunPlayerFor(15, {(dir / "Tessaly.scr").string(), argument});
        EXPECT_EQ(run.exitCode, 0) << argument << ": " << run.err;
        EXPECT_NE(run.out.find("played 15 frames"), std::string::npos) << argument << ": " << run.out << run.err;
    }
}

}  // namespace
}  // namespace glimmora::test
