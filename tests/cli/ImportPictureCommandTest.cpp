// glimmora-cli import-picture: a picture converted beside the project and
// recorded in its picture object, so movies with pictures need no editor.

#include "support/ProjectFixtures.h"
#include "support/TempDir.h"
#include "swf/reader/DecodedMovie.h"

#include <gtest/gtest.h>

#include <QImage>

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
    std::filesystem::create_directories(dir / "folder.jpg");

    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::vector<Case> cases{
        {{"import-picture", project.string(), "Nobody", (dir / "small.bmp").string()}, "no object named 'Nobody'"},
        {{"import-picture", project.string(), "Text_1", (dir / "small.bmp").string()}, "not a picture object"},
        {{"import-picture", project.string(), "Pic_1", (dir / "wide.bmp").string()}, "The picture width>800 or height>600!"},
        {{"import-picture", project.string(), "Pic_1", (dir / "missing.bmp").string()}, "missing.bmp\": no such file"},
        {{"import-picture", project.string(), "Pic_1", (dir / "folder.jpg").string()}, "folder.jpg\": it is a folder"},
    };
    for (const auto& c : cases) {
        const ProcessResult run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 1) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(project), original) << "the project is unchanged after: " << c.message;
        EXPECT_FALSE(std::filesystem::exists(dir / "Pic_1.jpg"));
    }
}

TEST(CliImportPicture, TransparentPictureIsScaledOnRequestAndKeepsItsAlphaInTheMovie)
{
    TempDir dir;
    const auto project = dir / "logo.gmr";
    WriteFile(project, MovieXml(""));
    QImage logo(1000, 500, QImage::Format_RGBA8888);
    logo.fill(QColor(0, 0, 255, 128));
    ASSERT_TRUE(logo.save(QString::fromStdString((dir / "logo.png").string()), "PNG"));
    const std::vector<std::string> import{"import-picture", project.string(), "Logo", (dir / "logo.png").string(),
                                          "--new"};

    const ProcessResult refused = RunCli(import);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("The picture width>800 or height>600!"), std::string::npos) << refused.err;

    std::vector<std::string> scaled = import;
    scaled.push_back("--scale-down");
    const ProcessResult run = RunCli(scaled);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(dir / "Logo.png"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Logo.jpg"));
    const std::string xml = ReadFile(project);
    EXPECT_NE(xml.find("<Width>800</Width>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<Height>400</Height>"), std::string::npos) << xml;

    ASSERT_EQ(RunCli({"build", project.string()}).exitCode, 0);
    const auto movie = swf::DecodeMovieFile((dir / "logo.swf").string());
    std::vector<swf::Bitmap> bitmaps;
    for (const auto& [id, ch] : movie.dictionary)
        if (const auto* bitmap = std::get_if<swf::Bitmap>(ch.get())) bitmaps.push_back(*bitmap);
    ASSERT_EQ(bitmaps.size(), 1u);
    EXPECT_EQ(bitmaps[0].kind, swf::Bitmap::Kind::Lossless);
    EXPECT_TRUE(bitmaps[0].losslessAlpha);
    ASSERT_GE(bitmaps[0].data.size(), 4u);
    EXPECT_EQ(bitmaps[0].data[0], 128) << "the half transparency is in the movie";
}

}  // namespace
}  // namespace glimmora::test
