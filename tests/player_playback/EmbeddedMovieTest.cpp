// The trailers that carry a movie at the end of a player executable, and
// how the standalone player decides what to play from its own file.

#include "player/playback/EmbeddedMovie.h"
#include "player/playback/PlayerLaunch.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <optional>

#include <fstream>

namespace glimmora::test {
namespace {

using player::LaunchPlan;
using player::TrailerResult;
using Kind = TrailerResult::Kind;

std::vector<uint8_t> U32(uint32_t v)
{
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts)
{
    std::vector<uint8_t> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

const std::vector<uint8_t> kMarker = {0x56, 0x34, 0x12, 0xFA};

TEST(ProjectorTrailer, FixturesGiveTheMovieOrAClearVerdict)
{
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        Kind kind;
        uint64_t offset, length;
    };
    const Case cases[] = {
        {"stub, movie and trailer", Join({{1, 2, 3}, {'F', 'W', 'S', 9}, kMarker, U32(4)}), Kind::Found, 3, 4},
        {"movie right after nothing", Join({{'F', 'W', 'S'}, kMarker, U32(3)}), Kind::Found, 0, 3},
        {"marker missing", Join({{1, 2, 3, 4}, {0x56, 0x34, 0x12, 0xFB}, U32(4)}), Kind::Absent, 0, 0},
        {"marker elsewhere only", Join({kMarker, U32(1), {7}}), Kind::Absent, 0, 0},
        {"N larger than the file", Join({{1, 2}, kMarker, U32(3)}), Kind::Damaged, 0, 0},
        {"N huge", Join({{1, 2}, kMarker, U32(0xFFFFFFFF)}), Kind::Damaged, 0, 0},
        {"N = 0", Join({{1, 2}, kMarker, U32(0)}), Kind::Damaged, 0, 0},
        {"shorter than 8 bytes", {0x56, 0x34, 0x12, 0xFA, 0}, Kind::Absent, 0, 0},
        {"empty file", {}, Kind::Absent, 0, 0},
    };
    for (const Case& c : cases) {
        const size_t tail = std::min<size_t>(8, c.file.size());
        const TrailerResult r = player::ParseProjectorTrailer(
            std::span<const uint8_t>(c.file).last(tail), c.file.size());
        EXPECT_EQ(r.kind, c.kind) << c.name;
        EXPECT_EQ(r.offset, c.offset) << c.name;
        EXPECT_EQ(r.length, c.length) << c.name;
        if (r.kind == Kind::Damaged) { EXPECT_FALSE(r.problem.empty()) << c.name; }
    }
}

TEST(ScreensaverTrailer, TheDistanceCountsItsOwnFourBytes)
{
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        Kind kind;
        uint64_t offset, length;
    };
    const Case cases[] = {
        {"stub, movie and trailer", Join({{1, 2}, {'C', 'W', 'S', 1, 2}, U32(9)}), Kind::Found, 2, 5},
        {"distance past the start", Join({{1, 2}, U32(7)}), Kind::Absent, 0, 0},
        {"distance under four", Join({{1, 2}, U32(3)}), Kind::Absent, 0, 0},
        {"empty movie", Join({{1, 2}, U32(4)}), Kind::Damaged, 0, 0},
        {"shorter than 4 bytes", {1, 2, 3}, Kind::Absent, 0, 0},
    };
    for (const Case& c : cases) {
        const size_t tail = std::min<size_t>(4, c.file.size());
        const TrailerResult r = player::ParseScreensaverTrailer(
            std::span<const uint8_t>(c.file).last(tail), c.file.size());
        EXPECT_EQ(r.kind, c.kind) << c.name;
        EXPECT_EQ(r.offset, c.offset) << c.name;
        EXPECT_EQ(r.length, c.length) << c.name;
    }
}

// ---- Launch decisions from files built here -------------------------------

const std::vector<uint8_t> kStub = {0x7f, 'E', 'L', 'F', 1, 2, 3, 4, 5, 6};
const std::vector<uint8_t> kSwf = {'F', 'W', 'S', 8, 20, 0, 0, 0, 0x50, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

std::string Write(const TempDir& dir, const std::string& name, const std::vector<uint8_t>& bytes)
{
    const auto path = dir / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                std::streamsize(bytes.size()));
    return path.string();
}

TEST(PlayerLaunch, AProjectorPlaysTheMovieItCarriesInAWindow)
{
    TempDir dir;
    const auto self = Write(dir, "movie.exe", Join({kStub, kSwf, kMarker, U32(uint32_t(kSwf.size()))}));
    const LaunchPlan plan = player::DecideLaunch({"ignored.swf"}, self);
    ASSERT_EQ(plan.mode, LaunchPlan::Mode::Window) << plan.error;
    EXPECT_TRUE(plan.embedded);
    EXPECT_EQ(player::ReadPlannedMovie(plan), kSwf);
}

TEST(PlayerLaunch, AScreensaverAnswersItsArguments)
{
    TempDir dir;
    const auto self = Write(dir, "Tessaly.scr", Join({kStub, kSwf, U32(uint32_t(kSwf.size() + 4))}));
    struct Case {
        std::vector<std::string> args;
        LaunchPlan::Mode mode;
    };
    const Case cases[] = {
        {{"/s"}, LaunchPlan::Mode::FullScreen}, {{"-S"}, LaunchPlan::Mode::FullScreen},
        {{}, LaunchPlan::Mode::FullScreen},     {{"/c"}, LaunchPlan::Mode::Configure},
        {{"/c:1234"}, LaunchPlan::Mode::Configure}, {{"/p", "5678"}, LaunchPlan::Mode::Quit},
    };
    for (const Case& c : cases) {
        const LaunchPlan plan = player::DecideLaunch(c.args, self);
        EXPECT_EQ(plan.mode, c.mode) << (c.args.empty() ? "(none)" : c.args.front()) << plan.error;
    }
    EXPECT_EQ(player::ReadPlannedMovie(player::DecideLaunch({"/s"}, self)), kSwf);
}

TEST(PlayerLaunch, AScreensaverAnswersTheXDaemonsWindowAndRootRequests)
{
    TempDir dir;
    const auto self = Write(dir, "Tessaly.scr", Join({kStub, kSwf, U32(uint32_t(kSwf.size() + 4))}));
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::string environment;  // XSCREENSAVER_WINDOW
        LaunchPlan::Mode mode;
        uint64_t window;
    };
    using Mode = LaunchPlan::Mode;
    const Case cases[] = {
        {"-root alone: full screen", {"-root"}, "", Mode::FullScreen, 0},
        {"-root into the daemon's window", {"-root"}, "0x2a00007", Mode::InWindow, 0x2a00007},
        {"no argument into the daemon's window", {}, "12345", Mode::InWindow, 12345},
        {"/s into the daemon's window", {"/s"}, "0x10", Mode::InWindow, 0x10},
        {"preview window in hexadecimal", {"-window-id", "0x3c00001"}, "", Mode::InWindow, 0x3c00001},
        {"preview window in decimal, over the variable", {"--window-id", "77"}, "0x10", Mode::InWindow, 77},
        {"preview window missing", {"-window-id"}, "", Mode::Quit, 0},
        {"preview window not a number", {"-window-id", "root"}, "", Mode::Quit, 0},
        {"preview window zero", {"-window-id", "0"}, "", Mode::Quit, 0},
        {"preview window negative", {"-window-id", "-5"}, "", Mode::Quit, 0},
        {"daemon's window garbled", {"-root"}, "0x12zz", Mode::Quit, 0},
        {"Windows preview stays quiet", {"/p", "99"}, "0x10", Mode::Quit, 0},
        {"Windows settings stay settings", {"/c"}, "0x10", Mode::Configure, 0},
    };
    for (const Case& c : cases) {
        const LaunchPlan plan = player::DecideLaunch(c.args, self, c.environment);
        EXPECT_EQ(plan.mode, c.mode) << c.name << plan.error;
        EXPECT_EQ(plan.hostWindow, c.window) << c.name;
        EXPECT_TRUE(plan.embedded) << c.name;
    }
    // A projector is no screensaver: the daemon's window does not move it.
    const auto projector = Write(dir, "movie.exe", Join({kStub, kSwf, kMarker, U32(uint32_t(kSwf.size()))}));
    EXPECT_EQ(player::DecideLaunch({"-root"}, projector, "0x10").mode, LaunchPlan::Mode::Window);
}

TEST(PlayerLaunch, DamagedOrMissingMoviesAreErrorsWithAReason)
{
    TempDir dir;
    struct Case {
        const char* name;
        std::string file;
        std::vector<uint8_t> bytes;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {"projector whose N passes the start", "bad.exe", Join({kStub, kMarker, U32(1000)}), {}},
        {"projector with N = 0", "empty.exe", Join({kStub, kMarker, U32(0)}), {}},
        {"screensaver without a movie", "bare.scr", kStub, {"/s"}},
        {"screensaver trailer not at an SWF", "wrong.scr", Join({kStub, {1, 2, 3}, U32(7)}), {"/s"}},
        {"plain player without an argument", "glimmora-player", kStub, {}},
    };
    for (const Case& c : cases) {
        const LaunchPlan plan = player::DecideLaunch(c.args, Write(dir, c.file, c.bytes));
        EXPECT_EQ(plan.mode, LaunchPlan::Mode::Error) << c.name;
        EXPECT_FALSE(plan.error.empty()) << c.name;
    }
    EXPECT_EQ(player::DecideLaunch({}, (dir / "missing").string()).mode, LaunchPlan::Mode::Error);
}

TEST(PlayerLaunch, APlainPlayerPlaysItsFileArgument)
{
    TempDir dir;
    const auto self = Write(dir, "glimmora-player", kStub);
    const auto movie = Write(dir, "a.swf", kSwf);
    const LaunchPlan plan = player::DecideLaunch({movie}, self);
    ASSERT_EQ(plan.mode, LaunchPlan::Mode::Window);
    EXPECT_FALSE(plan.embedded);
    EXPECT_EQ(player::ReadPlannedMovie(plan), kSwf);

    const LaunchPlan missing = player::DecideLaunch({(dir / "nothing.swf").string()}, self);
    EXPECT_THROW(player::ReadPlannedMovie(missing), std::runtime_error);
}

TEST(PlayerLaunch, TheQualityOptionIsTakenInEveryModeAndBadNamesAreErrors)
{
    using player::StageQuality;
    TempDir dir;
    const auto plain = Write(dir, "glimmora-player", kStub);
    const auto projector = Write(dir, "movie.exe", Join({kStub, kSwf, kMarker, U32(uint32_t(kSwf.size()))}));
    const auto saver = Write(dir, "Tessaly.scr", Join({kStub, kSwf, U32(uint32_t(kSwf.size() + 4))}));
    const auto movie = Write(dir, "a.swf", kSwf);
    struct Case {
        std::string self;
        std::vector<std::string> args;
        LaunchPlan::Mode mode;
        std::optional<StageQuality> quality;
        std::string error;  // a part of it
    };
    const Case cases[] = {
        {plain, {movie}, LaunchPlan::Mode::Window, std::nullopt, ""},
        {plain, {"--quality", "low", movie}, LaunchPlan::Mode::Window, StageQuality::Low, ""},
        {plain, {movie, "--quality=BEST"}, LaunchPlan::Mode::Window, StageQuality::Best, ""},
        {projector, {"--quality", "Medium"}, LaunchPlan::Mode::Window, StageQuality::Medium, ""},
        {saver, {"--quality", "low", "-root"}, LaunchPlan::Mode::FullScreen, StageQuality::Low, ""},
        {saver, {"/c", "--quality", "high"}, LaunchPlan::Mode::Configure, StageQuality::High, ""},
        {plain, {movie, "--quality"}, LaunchPlan::Mode::Error, std::nullopt, "needs a quality"},
        {plain, {"--quality", "ultra", movie}, LaunchPlan::Mode::Error, std::nullopt, "'ultra' is not one of low"},
        {projector, {"--quality="}, LaunchPlan::Mode::Error, std::nullopt, "low, medium, high or best"},
    };
    for (const Case& c : cases) {
        std::string words;
        for (const std::string& word : c.args) words += word + " ";
        SCOPED_TRACE(words);
        const LaunchPlan plan = player::DecideLaunch(c.args, c.self);
        EXPECT_EQ(plan.mode, c.mode) << plan.error;
        EXPECT_EQ(plan.quality, c.quality);
        EXPECT_NE(plan.error.find(c.error), std::string::npos) << plan.error;
        if (c.mode == LaunchPlan::Mode::Window) {
            EXPECT_EQ(player::ReadPlannedMovie(plan), kSwf);
        }
    }
}

}  // namespace
}  // namespace glimmora::test
