// glimmora-cli export: the format from the output's extension, exit codes as
// build gives them, no progress bar when the output is not a terminal.

#include "support/ProjectFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

std::filesystem::path StillProject(const TempDir& dir)
{
    const auto project = dir / "show.gmr";
    WriteFile(project, MovieXml(StaticTextXml("Text_1", "Hi", 10, 10)));
    return project;
}

TEST(CliExport, ProjectIsBuiltAndExportedQuietlyOffATerminal)
{
    TempDir dir;
    const auto project = StillProject(dir);
    const std::string before = ReadFile(project);
    for (const char* name : {"show.gif", "show.mp4", "show_%d.png"}) {
        const ProcessResult run = RunCli({"export", project.string(), "-o", (dir / name).string(), "--frames", "0-2",
                                          "--scale", "0.5"});
        ASSERT_EQ(run.exitCode, 0) << name << ": " << run.err;
        EXPECT_EQ(run.err, "") << "no progress bar into a pipe";
        EXPECT_NE(run.out.find("Exported to"), std::string::npos) << run.out;
    }
    EXPECT_TRUE(std::filesystem::exists(dir / "show.gif"));
    EXPECT_TRUE(std::filesystem::exists(dir / "show.mp4"));
    EXPECT_TRUE(std::filesystem::exists(dir / "show_2.png"));
    EXPECT_EQ(ReadFile(project), before);
}

TEST(CliExport, BadArgumentsAreUsageErrors)
{
    TempDir dir;
    const std::string project = StillProject(dir).string();
    const std::string gif = (dir / "a.gif").string();
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"export", project}, "needs an output file"},
        {{"export", project, "-o", (dir / "a.avi").string()}, "has no export format"},
        {{"export", project, "-o", gif, "--size", "10x10", "--scale", "2"}, "not both"},
        {{"export", project, "-o", gif, "--size", "10by10"}, "is not a size WxH"},
        {{"export", project, "-o", gif, "--scale", "-1"}, "is not a scale"},
        {{"export", project, "-o", gif, "--quality", "101"}, "is not a quality"},
        {{"export", project, "-o", gif, "--frames", "5-2"}, "is backwards"},
        {{"export", project, "-o", (dir / "a.mp4").string(), "--loop", "2"}, "--loop is for animated images"},
        {{"export", project, project, "-o", gif}, "takes one project or movie"},
    };
    for (const auto& c : cases) {
        const ProcessResult run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.message << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_EQ(FileNames(dir.Path()), std::vector<std::string>{"show.gmr"});
}

TEST(CliExport, NothingWrittenIsExitOne)
{
    TempDir dir;
    const std::string project = StillProject(dir).string();
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"export", (dir / "missing.swf").string(), "-o", (dir / "a.gif").string()}, "missing.swf"},
        {{"export", project, "-o", (dir / "a.gif").string(), "--frames", "5-20"}, "which has 10 frames"},
        {{"export", project, "-o", (dir / "no-folder" / "a.webp").string()}, "no-folder/a.webp"},
    };
    for (const auto& c : cases) {
        const ProcessResult run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 1) << c.message << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_EQ(FileNames(dir.Path()), std::vector<std::string>{"show.gmr"});
}

}  // namespace
}  // namespace glimmora::test
