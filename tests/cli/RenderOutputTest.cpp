// Where glimmora-cli render writes: written beside the name and renamed over
// it, never into a folder, pipe or device, never over its own input; it says
// what it wrote, and what it cannot draw.

#include "support/ProjectFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;

class CliRenderOutput : public ::testing::Test {
protected:
    CliRenderOutput() { WriteFile(project, MovieXml(StaticTextXml("Text_1", "Hi", 10, 10))); }

    ProcessResult Render(const std::vector<std::string>& more)
    {
        std::vector<std::string> args{"render", project.string()};
        args.insert(args.end(), more.begin(), more.end());
        return RunCli(args);
    }

    TempDir dir;
    fs::path project = dir / "show.gmr";
};

TEST_F(CliRenderOutput, SaysWhatItWroteAndLeavesNoTemporaryFile)
{
    WriteFile(dir / "one.png", "an older picture");
    ProcessResult run = Render({"--frame", "2", "-o", (dir / "one.png").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Frame 2 written to " + (dir / "one.png").string() + "\n");
    EXPECT_EQ(ReadFile(dir / "one.png").compare(0, 4, "\x89PNG"), 0) << "replaced";

    run = Render({"--frames", "3-5", "-o", (dir / "f%d.png").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Frames 3 to 5 written to " + (dir / "f3.png").string() + " ... " +
                           (dir / "f5.png").string() + "\n");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.Path())) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"f3.png", "f4.png", "f5.png", "one.png", "show.gmr"}));
}

TEST_F(CliRenderOutput, RefusesWhatIsNoFileBeforeDrawing)
{
    fs::create_directory(dir / "folder.png");
    ASSERT_EQ(::mkfifo((dir / "pipe.png").c_str(), 0600), 0);
    struct Case {
        std::string output;
        std::string reason;
    };
    const Case cases[] = {
        {(dir / "folder.png").string(), "it is a folder"},
        {(dir / "pipe.png").string(), "it is not a regular file"},  // a pipe without a reader would block
        {"/dev/null", "it is not a regular file"},
        {project.string(), "is the source file itself"},
    };
    const std::string before = ReadFile(project);
    for (const Case& c : cases) {
        const ProcessResult run = Render({"--frame", "0", "-o", c.output});
        EXPECT_EQ(run.exitCode, 1) << c.output;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    }
    EXPECT_EQ(ReadFile(project), before);
}

TEST_F(CliRenderOutput, AMovieWithoutFramesSaysSo)
{
    // An SWF 8 header with an empty stage, frame count 0 and only End.
    const std::string movie = std::string("FWS\x08\x0F\x00\x00\x00", 8) + std::string("\x00\x00\x0C\x00\x00\x00\x00", 7);
    WriteFile(dir / "empty.swf", movie);
    const ProcessResult run = RunCli({"render", (dir / "empty.swf").string(), "--frame", "0", "-o",
                                      (dir / "e.png").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("the movie has no frames to draw"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir / "e.png"));
}

TEST_F(CliRenderOutput, AFolderGivenAsMovieIsCalledAFolder)
{
    fs::create_directory(dir / "movie.swf");
    const ProcessResult run = RunCli({"render", (dir / "movie.swf").string(), "--frame", "0", "-o",
                                      (dir / "m.png").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("is a folder, not a movie"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace glimmora::test
