// FFmpeg is opened by the first video export, from the module beside the
// program: the programs start without its libraries, and a program without
// the module says so by the file's and the module's names and writes nothing.

#include "support/ProcessRunner.h"
#include "support/ProjectFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

TEST(FfmpegModule, TheProgramsStartWithoutFfmpegsLibraries)
{
    for (const char* program : {"glimmora-cli", "glimmora-player", "glimmora"}) {
        const ProcessResult ldd = RunProcess({"ldd", ProgramPath(program).string()});
        ASSERT_EQ(ldd.exitCode, 0) << program << ": " << ldd.err;
        EXPECT_NE(ldd.out.find("libQt6Gui"), std::string::npos) << program << " lists no libraries: " << ldd.out;
        for (const char* library : {"libavcodec", "libavformat", "libavutil", "libswscale", "libswresample"})
            EXPECT_EQ(ldd.out.find(library), std::string::npos) << program << " loads " << library << " at start";
    }
}

TEST(FfmpegModule, AProgramWithoutTheModuleNamesItAndWritesNothing)
{
    TempDir dir;
    const auto movie = dir / "show.swf";
    WriteFile(dir / "show.gmr", MovieXml(StaticTextXml("Text_1", "Hi", 10, 10)));
    ASSERT_EQ(RunCli({"build", (dir / "show.gmr").string(), "-o", movie.string()}).exitCode, 0);
    // The program alone in a folder of its own: no module beside it.
    std::filesystem::create_directory(dir / "alone");
    const auto alone = dir / "alone" / "glimmora-cli";
    std::filesystem::copy_file(ProgramPath("glimmora-cli"), alone);

    for (const char* name : {"show.mp4", "show.gif"}) {
        const ProcessResult run = RunProcess({alone.string(), "export", movie.string(), "-o", (dir / name).string()});
        EXPECT_EQ(run.exitCode, 1) << name << ": " << run.err;
        EXPECT_NE(run.err.find("Cannot write \"" + (dir / name).string() + "\": the video encoders are missing"),
                  std::string::npos) << run.err;
        EXPECT_NE(run.err.find((dir / "alone" / "glimmora-ffmpeg.so").string()), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
    }
    EXPECT_EQ(FileNames(dir.Path()), (std::vector<std::string>{"alone", "show.gmr", "show.swf"})) << "nothing left behind";
    // With the module beside it, the same program exports.
    std::filesystem::copy_file(ProgramPath("glimmora-ffmpeg.so"), dir / "alone" / "glimmora-ffmpeg.so");
    const ProcessResult run =
        RunProcess({alone.string(), "export", movie.string(), "-o", (dir / "show.mp4").string(), "--frames", "0-1"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_GT(std::filesystem::file_size(dir / "show.mp4"), 0u);
}

}  // namespace
}  // namespace glimmora::test
