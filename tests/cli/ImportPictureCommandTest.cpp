// glimmora-cli import-picture: a picture converted beside the project and
// recorded in its picture object, so movies with pictures need no editor.

#include "support/ProjectFixtures.h"
#include "support/TempDir.h"
#include "swf/reader/DecodedMovie.h"

#include <gtest/gtest.h>

#include <variant>

namespace glimmora::test {
namespace {

TEST(CliImportPicture, NewObjectGetsTheConvertedPictureAndBuilds)
{
    TempDir dir;
    const auto project = dir / "album.gmr";
    WriteFile(project, MovieXml(StaticTextXml("Text_1", "Album", 0, 0)));
    WriteSolidBmp(dir / "photo.bmp", 40, 30, 255, 0, 0);

    const ProcessResult run = RunCli({"import-picture", project.string(), "Cover", (dir / "photo.bmp").string(), "--new"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(std::filesystem::exists(dir / "Cover.jpg"));

    const std::string xml = ReadFile(project);
    EXPECT_NE(xml.find("<ObjName>Cover</ObjName>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<Width>40</Width>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<Height>30</Height>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("photo.bmp</Content>"), std::string::npos) << xml;

    const ProcessResult build = RunCli({"build", project.string()});
    ASSERT_EQ(build.exitCode, 0) << build.err;
    const auto movie = swf::DecodeMovieFile((dir / "album.swf").string());
    int bitmaps = 0;
    for (const auto& [id, ch] : movie.dictionary) bitmaps += std::holds_alternative<swf::Bitmap>(*ch);
    EXPECT_EQ(bitmaps, 1);
}

TEST(CliImportPicture, RefusesUnknownObjectsOtherKindsAndOversizedPictures)
{
    TempDir dir;
    const auto project = dir / "p.gmr";
    const std::string original = MovieXml(StaticTextXml("Text_1", "x", 0, 0) + StaticPictureXml("Pic_1", 0, 0, 1, 1));
    WriteFile(project, original);
    WriteSolidBmp(dir / "small.bmp", 8, 8, 0, 0, 255);
    WriteSolidBmp(dir / "wide.bmp", 801, 2, 0, 0, 255);

    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::vector<Case> cases{
        {{"import-picture", project.string(), "Nobody", (dir / "small.bmp").string()}, "no object named 'Nobody'"},
        {{"import-picture", project.string(), "Text_1", (dir / "small.bmp").string()}, "not a picture object"},
        {{"import-picture", project.string(), "Pic_1", (dir / "wide.bmp").string()}, "The picture width>800 or height>600!"},
        {{"import-picture", project.string(), "Pic_1", (dir / "missing.bmp").string()}, "missing.bmp"},
    };
    for (const auto& c : cases) {
        const ProcessResult run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 1) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(project), original) << "the project is unchanged after: " << c.message;
        EXPECT_FALSE(std::filesystem::exists(dir / "Pic_1.jpg"));
    }
}

}  // namespace
}  // namespace glimmora::test
