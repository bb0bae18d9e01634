// The file halves of the output tools: the projector and screensaver layouts
// byte for byte, extraction, the refusals that keep files safe, and which
// failures are a false result and which an error naming the file.

#include "ToolFiles.h"

#include "tools/files/Projector.h"
#include "tools/files/ScreenSaverFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <sys/stat.h>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;
using tools::ExeToSwf;
using tools::MakeScreenSaver;
using tools::SwfToExe;

class ProjectorFiles : public PlayerAndMovieTest {
protected:
    // A movie of 0x0103 bytes: the length's little-endian bytes 03 01 00 00 show the order.
    ProjectorFiles() : PlayerAndMovieTest("glimmora-player", 1000, 0x0103) {}
};

TEST_F(ProjectorFiles, AProjectorIsPlayerMovieMarkerAndLength)
{
    ASSERT_TRUE(SwfToExe(movie, dir / "movie.exe", player));
    const Bytes written = ReadBytes(dir / "movie.exe");
    EXPECT_EQ(written.size(), playerBytes.size() + swf.size() + 8);
    EXPECT_EQ(written, Join({playerBytes, swf, {0x56, 0x34, 0x12, 0xFA}, {0x03, 0x01, 0x00, 0x00}}));
    EXPECT_EQ(ReadBytes(movie), swf) << "the source is only read";
}

TEST_F(ProjectorFiles, AScreensaverIsPlayerMovieAndTheDistanceBackToIt)
{
    ASSERT_TRUE(MakeScreenSaver(movie, dir / "Tessaly.scr", player));
    const Bytes written = ReadBytes(dir / "Tessaly.scr");
    EXPECT_EQ(written.size(), playerBytes.size() + swf.size() + 4);
    EXPECT_EQ(written, Join({playerBytes, swf, {0x07, 0x01, 0x00, 0x00}}));
}

TEST_F(ProjectorFiles, ExtractionGivesTheMovieBackByteForByte)
{
    // One small movie, and one over several copy chunks of 64 KiB.
    for (const size_t length : {size_t(0x0103), size_t(200000)}) {
        const Bytes original = SwfLike(length);
        WriteBytes(movie, original);
        ASSERT_TRUE(SwfToExe(movie, dir / "movie.exe", player)) << length;
        ASSERT_TRUE(ExeToSwf(dir / "movie.exe", dir / "back.swf")) << length;
        EXPECT_EQ(ReadBytes(dir / "back.swf"), original) << length;
    }
}

TEST_F(ProjectorFiles, EmptyTargetsTakeTheSourceNameWithTheOtherExtension)
{
    ASSERT_TRUE(SwfToExe(movie, "", player));
    EXPECT_EQ(ReadBytes(dir / "movie.exe").size(), playerBytes.size() + swf.size() + 8);
    ASSERT_TRUE(MakeScreenSaver(movie, "", player));
    EXPECT_EQ(ReadBytes(dir / "movie.scr").size(), playerBytes.size() + swf.size() + 4);

    fs::rename(dir / "movie.exe", dir / "copy.exe");
    ASSERT_TRUE(ExeToSwf(dir / "copy.exe", ""));
    EXPECT_EQ(ReadBytes(dir / "copy.swf"), swf);

    // Without an extension, one is added.
    fs::copy_file(movie, dir / "plain");
    ASSERT_TRUE(SwfToExe(dir / "plain", "", player));
    EXPECT_TRUE(fs::exists(dir / "plain.exe"));
}

TEST_F(ProjectorFiles, AnExistingTargetIsReplacedInEveryDirection)
{
    const Bytes old = SwfLike(5000);  // longer than every new file: no old tail may remain
    WriteBytes(dir / "movie.exe", old);
    ASSERT_TRUE(SwfToExe(movie, dir / "movie.exe", player));
    EXPECT_EQ(ReadBytes(dir / "movie.exe"), Join({playerBytes, swf, kMarker, U32LE(uint32_t(swf.size()))}));

    WriteBytes(dir / "back.swf", old);
    ASSERT_TRUE(ExeToSwf(dir / "movie.exe", dir / "back.swf"));
    EXPECT_EQ(ReadBytes(dir / "back.swf"), swf);

    WriteBytes(dir / "Tessaly.scr", old);
    ASSERT_TRUE(MakeScreenSaver(movie, dir / "Tessaly.scr", player));
    EXPECT_EQ(ReadBytes(dir / "Tessaly.scr").size(), playerBytes.size() + swf.size() + 4);
    EXPECT_EQ(FilesIn(dir.Path()),
              (std::vector<std::string>{"Tessaly.scr", "back.swf", "glimmora-player", "movie.exe", "movie.swf"}))
        << "no temporary file is left behind";
}

TEST_F(ProjectorFiles, FilesThatAreNoProjectorGiveFalseAndLeaveTheTargetAlone)
{
    struct Case {
        const char* name;
        Bytes file;
    };
    const Case cases[] = {
        {"no marker", Join({playerBytes, swf, {0x56, 0x34, 0x12, 0xFB}, U32LE(uint32_t(swf.size()))})},
        {"marker elsewhere only", Join({playerBytes, swf, kMarker, U32LE(uint32_t(swf.size())), {0, 0, 0, 0}})},
        {"N = 0", Join({playerBytes, kMarker, U32LE(0)})},
        {"N larger than the bytes before the trailer", Join({{1, 2, 3}, kMarker, U32LE(4)})},
        {"N huge", Join({{1, 2, 3}, kMarker, U32LE(0xFFFFFFFF)})},
        {"shorter than 8 bytes", {0x56, 0x34, 0x12, 0xFA, 1, 0, 0}},
        {"empty", {}},
    };
    const Bytes existing = {'k', 'e', 'e', 'p'};
    for (const Case& c : cases) {
        WriteBytes(dir / "in.exe", c.file);
        EXPECT_FALSE(ExeToSwf(dir / "in.exe", dir / "new.swf")) << c.name;
        EXPECT_FALSE(fs::exists(dir / "new.swf")) << c.name;
        WriteBytes(dir / "old.swf", existing);
        EXPECT_FALSE(ExeToSwf(dir / "in.exe", dir / "old.swf")) << c.name;
        EXPECT_EQ(ReadBytes(dir / "old.swf"), existing) << c.name;
    }
}

TEST_F(ProjectorFiles, ATrailerCountingTheWholeFileIsStillAProjector)
{
    // N = L - 8: the movie starts at offset 0, the smallest legal player.
    WriteBytes(dir / "bare.exe", Join({swf, kMarker, U32LE(uint32_t(swf.size()))}));
    ASSERT_TRUE(ExeToSwf(dir / "bare.exe", dir / "bare.swf"));
    EXPECT_EQ(ReadBytes(dir / "bare.swf"), swf);
}

TEST_F(ProjectorFiles, ATargetThatIsTheSourceOrThePlayerIsRefusedAndNothingIsLost)
{
    fs::create_hard_link(movie, dir / "alias.exe");
    ASSERT_TRUE(SwfToExe(movie, dir / "projector.exe", player));
    const Bytes projector = ReadBytes(dir / "projector.exe");
    WriteBytes(dir / "named.swf", projector);

    struct Case {
        const char* name;
        std::function<void()> run;
    };
    const Case cases[] = {
        {"swf-to-exe onto the source", [&] { SwfToExe(movie, movie, player); }},
        {"swf-to-exe onto a hard link of the source", [&] { SwfToExe(movie, dir / "alias.exe", player); }},
        {"swf-to-exe onto the player", [&] { SwfToExe(movie, player, player); }},
        {"screensaver onto the source", [&] { MakeScreenSaver(movie, dir / "movie.swf", player); }},
        {"exe-to-swf onto the source", [&] { ExeToSwf(dir / "projector.exe", dir / "projector.exe"); }},
        {"exe-to-swf whose default name is the source", [&] { ExeToSwf(dir / "named.swf", ""); }},
    };
    for (const Case& c : cases) {
        try {
            c.run();
            ADD_FAILURE() << c.name << ": not refused";
        } catch (const std::invalid_argument& error) {
            EXPECT_NE(std::string(error.what()).find("file itself"), std::string::npos) << c.name;
        }
    }
    EXPECT_EQ(ReadBytes(movie), swf);
    EXPECT_EQ(ReadBytes(player), playerBytes);
    EXPECT_EQ(ReadBytes(dir / "projector.exe"), projector);
    EXPECT_EQ(ReadBytes(dir / "named.swf"), projector);
}

TEST_F(ProjectorFiles, AMissingPlayerOrAnUnusableTargetFolderIsFalse)
{
    WriteBytes(dir / "movie.exe", {'o', 'l', 'd'});
    EXPECT_FALSE(SwfToExe(movie, dir / "movie.exe", dir / "no-player"));
    EXPECT_FALSE(MakeScreenSaver(movie, dir / "movie.exe", dir / "no-player"));
    EXPECT_EQ(ReadBytes(dir / "movie.exe"), (Bytes{'o', 'l', 'd'}));

    EXPECT_FALSE(SwfToExe(movie, dir / "missing" / "movie.exe", player));
    EXPECT_FALSE(MakeScreenSaver(movie, dir / "missing" / "Tessaly.scr", player));
    EXPECT_FALSE(fs::exists(dir / "missing"));
}

// The error's text names the file, and no target appears.
void ExpectErrorNaming(const std::function<void()>& run, const fs::path& file, const fs::path& target,
                       const char* name)
{
    try {
        run();
        ADD_FAILURE() << name << ": no error";
    } catch (const std::exception& error) {
        EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos) << name << ": " << error.what();
    }
    EXPECT_FALSE(fs::exists(target)) << name;
}

TEST_F(ProjectorFiles, UnreadableSourcesAndUnwritableTargetsAreErrorsNamingTheFile)
{
    const fs::path absent = dir / "absent.swf";
    const fs::path empty = dir / "empty.swf";
    WriteBytes(empty, {});
    ASSERT_TRUE(SwfToExe(movie, dir / "good.exe", player));
    ExpectErrorNaming([&] { SwfToExe(absent, dir / "a.exe", player); }, absent, dir / "a.exe", "missing movie");
    ExpectErrorNaming([&] { MakeScreenSaver(absent, dir / "a.scr", player); }, absent, dir / "a.scr",
                      "missing movie for the screensaver");
    ExpectErrorNaming([&] { SwfToExe(empty, dir / "e.exe", player); }, empty, dir / "e.exe", "empty movie");
    ExpectErrorNaming([&] { SwfToExe(dir.Path(), dir / "d.exe", player); }, dir.Path(), dir / "d.exe",
                      "a folder as the movie");
    ExpectErrorNaming([&] { ExeToSwf(dir / "absent.exe", dir / "a.swf"); }, dir / "absent.exe", dir / "a.swf",
                      "missing projector");
    ExpectErrorNaming([&] { ExeToSwf(dir / "good.exe", dir / "missing" / "a.swf"); }, dir / "missing" / "a.swf",
                      dir / "missing" / "a.swf", "projector into a missing folder");
    EXPECT_THROW(SwfToExe("", "", player), std::invalid_argument);
    EXPECT_THROW(ExeToSwf("", ""), std::invalid_argument);
}

TEST_F(ProjectorFiles, ExecutablesGetTheExecuteBitsTheUmaskAllowsAndMoviesNone)
{
    const mode_t old = ::umask(027);
    const bool projector = SwfToExe(movie, dir / "movie.exe", player);
    const bool saver = MakeScreenSaver(movie, dir / "movie.scr", player);
    const bool back = projector && ExeToSwf(dir / "movie.exe", dir / "back.swf");
    ::umask(old);
    ASSERT_TRUE(projector && saver && back);
    using fs::perms;
    const perms mask = perms::all;
    EXPECT_EQ(fs::status(dir / "movie.exe").permissions() & mask, perms(0750));
    EXPECT_EQ(fs::status(dir / "movie.scr").permissions() & mask, perms(0750));
    EXPECT_EQ(fs::status(dir / "back.swf").permissions() & mask, perms(0640));
}

}  // namespace
}  // namespace glimmora::test
