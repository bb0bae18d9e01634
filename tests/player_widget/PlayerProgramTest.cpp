// The glimmora-player program, started as projectors and screensavers built
// here from its own executable: the modes that end by themselves, and the
// damaged files that must end with a message and exit code 1.

#include "TestMovies.h"

#include "support/ProcessRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace glimmora::test {
namespace {

std::vector<uint8_t> U32(uint32_t v)
{
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

class PlayerProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // No message box may wait for a user here.
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        program = ProgramPath("glimmora-player");
        if (!std::filesystem::exists(program)) GTEST_SKIP() << "glimmora-player is not built";
        WriteSquareMovie(dir / "square.swf", 5);
        swf = ReadAll(dir / "square.swf");
    }

    // The player's own bytes followed by `tail`, as an executable named `name`.
    std::string Carrier(const std::string& name, const std::vector<uint8_t>& tail)
    {
        std::vector<uint8_t> bytes = ReadAll(program);
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        const auto path = dir / name;
        WriteAll(path, bytes);
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path.string();
    }
    std::vector<uint8_t> Projector(const std::vector<uint8_t>& movie, uint32_t n)
    {
        std::vector<uint8_t> tail = movie;
        for (uint8_t b : {0x56, 0x34, 0x12, 0xFA}) tail.push_back(b);
        for (uint8_t b : U32(n)) tail.push_back(b);
        return tail;
    }

    TempDir dir;
    std::filesystem::path program;
    std::vector<uint8_t> swf;
};

TEST_F(PlayerProgramTest, ScreensaverSettingsAndPreviewEndByThemselves)
{
    std::vector<uint8_t> tail = swf;
    for (uint8_t b : U32(uint32_t(swf.size() + 4))) tail.push_back(b);
    const std::string saver = Carrier("Tessaly.scr", tail);

    const ProcessResult preview = RunProcess({saver, "/p", "1234"});
    EXPECT_EQ(preview.exitCode, 0) << preview.err;
    const ProcessResult configure = RunProcess({saver, "/c"});
    EXPECT_EQ(configure.exitCode, 0) << configure.err;
    EXPECT_NE(configure.out.find("no options"), std::string::npos) << configure.out;
}

TEST_F(PlayerProgramTest, AScreensaverPlaysFullScreenOrEndsQuietlyWithoutAUsableWindow)
{
    std::vector<uint8_t> tail = swf;
    for (uint8_t b : U32(uint32_t(swf.size() + 4))) tail.push_back(b);
    const std::string saver = Carrier("Tessaly.scr", tail);

    // "-root" without a window of the daemon: full screen, playing (the
    // movie has 5 frames, so 12 shown means it loops).
    const ProcessResult root = RunPlayerFor(12, {saver, "-root"});
    EXPECT_EQ(root.exitCode, 0) << root.err;
    EXPECT_NE(root.out.find("played 12 frames"), std::string::npos) << root.out << root.err;

    // The offscreen platform has no foreign windows: a window to draw into
    // cannot be used, and the screensaver ends at once with code 0. The
    // timeout's code 124 would mean that it went on playing.
    struct Case {
        const char* name;
        std::vector<std::string> argv;
    };
    const Case cases[] = {
        {"settings preview", {"timeout", "60", saver, "-window-id", "0x1234"}},
        {"daemon's window", {"env", "XSCREENSAVER_WINDOW=0x1234", "timeout", "60", saver, "-root"}},
        {"no window id", {"timeout", "60", saver, "-window-id"}},
    };
    for (const Case& c : cases) {
        const ProcessResult run = RunProcess(c.argv);
        EXPECT_EQ(run.exitCode, 0) << c.name << ": " << run.err;
        EXPECT_EQ(run.out.find("played"), std::string::npos) << c.name;
    }
}

TEST_F(PlayerProgramTest, DamagedTrailersAndMoviesEndWithAMessageAndCodeOne)
{
    std::vector<uint8_t> junk = {'F', 'W', 'S', 8, 1, 2, 3};
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> args;
    };
    TempDir other;
    WriteAll(other / "garbage.swf", {'n', 'o', 't'});
    const Case cases[] = {
        {"projector N past the start", Carrier("far.exe", Projector({}, 0x7fffffff)), {}},
        {"projector N = 0", Carrier("empty.exe", Projector({}, 0)), {}},
        {"projector with a damaged movie", Carrier("junk.exe", Projector(junk, uint32_t(junk.size()))), {}},
        {"screensaver without a movie", Carrier("bare.scr", {}), {"/s"}},
        {"plain player, garbage file", program.string(), {(other / "garbage.swf").string()}},
        {"plain player, missing file", program.string(), {(other / "missing.swf").string()}},
        {"plain player, no argument", program.string(), {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> argv = {c.file};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const ProcessResult run = RunProcess(argv);
        EXPECT_EQ(run.exitCode, 1) << c.name << ": " << run.err;
        EXPECT_NE(run.err.find("glimmora-player: "), std::string::npos) << c.name << ": a message says why";
    }
}

}  // namespace
}  // namespace glimmora::test
