// glimmora-cli build: the movie of a project, written with the editor's builder.

#include "support/ProjectFixtures.h"
#include "support/SwfCheck.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"
#include "swf/reader/DecodedMovie.h"

#include <gtest/gtest.h>

#include <set>
#include <variant>

namespace glimmora::test {
namespace {

std::set<uint16_t> CharacterIdsAt(const swf::DecodedMovie& movie, int frame)
{
    std::set<uint16_t> ids;
    for (const auto& [depth, item] : movie.DisplayListAt(frame)) ids.insert(item.characterId);
    return ids;
}

template <typename T>
int CountCharacters(const swf::DecodedMovie& movie)
{
    int n = 0;
    for (const auto& [id, ch] : movie.dictionary)
        if (std::holds_alternative<T>(*ch)) ++n;
    return n;
}

struct ProgramProject {
    const char* relativePath;
};

class ProgramFolderProjects : public ::testing::TestWithParam<ProgramProject> {};

// Every project that ships in the program folder builds into a movie that our
// reader and the independent parser accept, of the document's size and rate.
TEST_P(ProgramFolderProjects, BuildIntoValidMovie)
{
    const auto project = std::filesystem::path(GLIMMORA_PROGRAM_DIR) / GetParam().relativePath;
    ASSERT_TRUE(std::filesystem::exists(project)) << project;
    const std::string before = ReadFile(project);
    TempDir dir;
    const auto out = dir / "movie.swf";

    const ProcessResult run = RunCli({"build", project.string(), "-o", out.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(out.string()), std::string::npos) << "says where the movie went: " << run.out;
    EXPECT_EQ(ReadFile(project), before) << "the project file must not change";

    const auto movie = swf::DecodeMovieFile(out.string());
    EXPECT_EQ(movie.header.signature, "FWS");
    EXPECT_GT(movie.header.WidthPixels(), 0);
    EXPECT_EQ(movie.header.frameCount, movie.FrameCount());
    ASSERT_TRUE(movie.background.has_value());

    GLIMMORA_REQUIRE_SWFCHECK();
    const SwfCheckResult check = SwfCheckParse(out);
    EXPECT_TRUE(check.ok) << check.report;
    EXPECT_EQ(check.warnings, 0) << check.report;
}

INSTANTIATE_TEST_SUITE_P(Cli, ProgramFolderProjects,
                         ::testing::Values(ProgramProject{"template/blank.gmr"}, ProgramProject{"template/normal.gmr"},
                                           ProgramProject{"examples/text-effects.gmr"},
                                           ProgramProject{"examples/picture-effects.gmr"}),
                         [](const auto& info) {
                             std::string name = info.param.relativePath;
                             for (char& c : name)
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST(CliBuild, BlankTemplateGivesEmptyMovieOfItsSize)
{
    TempDir dir;
    const auto project = dir / "empty.gmr";
    WriteFile(project, MovieXml("", "<BgColor>$FF</BgColor><Width>550</Width><Height>400</Height><Rate>12</Rate>"));
    const ProcessResult run = RunCli({"build", project.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    const auto movie = swf::DecodeMovieFile((dir / "empty.swf").string());
    EXPECT_EQ(movie.header.frameSize.xMax, 11000);
    EXPECT_EQ(movie.header.frameSize.yMax, 8000);
    EXPECT_EQ(movie.header.frameRate, 12 * 256);
    EXPECT_EQ(movie.FrameCount(), 1);
    ASSERT_TRUE(movie.background.has_value());
    EXPECT_EQ(*movie.background, (swf::Rgba{255, 0, 0, 255})) << "$FF is red";
    EXPECT_TRUE(movie.DisplayListAt(0).empty());
}

TEST(CliBuild, StaticTextAndPictureArePlacedForTheirFrames)
{
    TempDir dir;
    const auto project = dir / "still.gmr";
    WriteFile(project, MovieXml(StaticTextXml("Text_1", "Hello", 10, 10) + StaticPictureXml("Pic_1", 40, 60, 64, 32, 5, 20)));
    WriteSolidJpeg(dir / "Pic_1.jpg", 64, 32, 0, 200, 0);
    const ProcessResult run = RunCli({"build", project.string(), "-o", (dir / "out.swf").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    const auto movie = swf::DecodeMovieFile((dir / "out.swf").string());
    EXPECT_EQ(CountCharacters<swf::Text>(movie), 1);
    EXPECT_EQ(CountCharacters<swf::Bitmap>(movie), 1);
    EXPECT_EQ(movie.FrameCount(), 21) << "the picture's removal at frame 20 is the last frame used";
    // The text shows frames 0..8 (removed at 9); the picture frames 5..19.
    const std::vector<std::pair<int, size_t>> expected{{0, 1}, {4, 1}, {5, 2}, {8, 2}, {9, 1}, {19, 1}, {20, 0}};
    for (auto [frame, count] : expected) EXPECT_EQ(CharacterIdsAt(movie, frame).size(), count) << "frame " << frame;
}

TEST(CliBuild, MissingPictureIsReportedAndTheRestIsWritten)
{
    TempDir dir;
    const auto project = dir / "gap.gmr";
    WriteFile(project, MovieXml(StaticTextXml("Text_1", "Before", 0, 0) + StaticPictureXml("Pic_1", 0, 0, 10, 10) +
                                StaticTextXml("Text_2", "After", 0, 100)));
    const ProcessResult run = RunCli({"build", project.string()});
    EXPECT_EQ(run.exitCode, 3) << run.out << run.err;
    EXPECT_NE(run.err.find("Sorry, can not use the picture!"), std::string::npos) << run.err;
    const auto movie = swf::DecodeMovieFile((dir / "gap.swf").string());
    EXPECT_EQ(CountCharacters<swf::Text>(movie), 2) << "both texts are in the movie";
}

// A text object complete but for its colour, which no build can read.
const std::string kTextColorUnreadable =
    MovieXml(StaticTextXml("Text_1", "x", 0, 0, "blue") + StaticTextXml("Text_2", "y", 0, 50));

struct BrokenProject {
    const char* name;
    const char* xml;        // nullptr: no file at all
    const char* message;    // part of the error text
};

class BrokenProjects : public ::testing::TestWithParam<BrokenProject> {};

TEST_P(BrokenProjects, FailWithAClearErrorAndWriteNothing)
{
    TempDir dir;
    const auto project = dir / "broken.gmr";
    if (GetParam().xml) WriteFile(project, GetParam().xml);
    const ProcessResult run = RunCli({"build", project.string()});
    EXPECT_EQ(run.exitCode, 1) << run.out;
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "broken.swf"));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, BrokenProjects,
    ::testing::Values(
        BrokenProject{"Missing", nullptr, "broken.gmr"},
        BrokenProject{"NotXml", "this is not XML <<<", "broken.gmr"},
        BrokenProject{"WidthNotInteger", "<Movie><BgColor>0</BgColor><Width>wide</Width><Height>1</Height><Rate>1</Rate></Movie>",
                      "'wide' is not a valid integer value"},
        BrokenProject{"RateMissing", "<Movie><BgColor>0</BgColor><Width>10</Width><Height>10</Height></Movie>",
                      "'' is not a valid integer value"},
        BrokenProject{"BgColorUnreadable", "<Movie><BgColor>red</BgColor><Width>10</Width><Height>10</Height><Rate>1</Rate></Movie>",
                      "'red'"},
        BrokenProject{"TextColorUnreadable", kTextColorUnreadable.c_str(),
                      "'blue'"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliBuild, BadArgumentsShowUsage)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"build"}, {"frobnicate"}, {"build", "a", "b", "-o", "x.swf"}}) {
        const ProcessResult run = RunCli(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find("Usage"), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace glimmora::test
