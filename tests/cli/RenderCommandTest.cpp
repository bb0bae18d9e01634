// glimmora-cli render on a project: built with the editor's builder, drawn
// with the player's renderer, without a display.

#include "support/ProjectFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <map>
#include <set>

namespace glimmora::test {
namespace {

// PNG files start with this signature; the width and height follow in IHDR.
bool IsPngOfSize(const std::string& bytes, int width, int height)
{
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return false;
    auto be32 = [&](size_t at) {
        return (uint32_t(uint8_t(bytes[at])) << 24) | (uint32_t(uint8_t(bytes[at + 1])) << 16) |
               (uint32_t(uint8_t(bytes[at + 2])) << 8) | uint32_t(uint8_t(bytes[at + 3]));
    };
    return be32(16) == uint32_t(width) && be32(20) == uint32_t(height);
}

TEST(CliRender, ProjectFramesAreBuiltAndDrawn)
{
    TempDir dir;
    const auto project = dir / "show.gmr";
    WriteFile(project, MovieXml(StaticTextXml("Text_1", "Hi", 10, 10)));
    const std::string before = ReadFile(project);

    const ProcessResult run =
        RunCli({"render", project.string(), "--frames", "0-2", "-o", (dir / "f%d.png").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (int frame = 0; frame <= 2; ++frame)
        EXPECT_TRUE(IsPngOfSize(ReadFile(dir / ("f" + std::to_string(frame) + ".png")), 320, 240)) << frame;
    EXPECT_EQ(ReadFile(project), before);
}

TEST(CliRender, BrokenProjectIsAnError)
{
    TempDir dir;
    const auto project = dir / "bad.gmr";
    WriteFile(project, "<Movie><Width>x</Width></Movie>");
    const ProcessResult run = RunCli({"render", project.string(), "--frame", "0", "-o", (dir / "f.png").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("'x' is not a valid integer value"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "f.png"));
}

// The level changes the file's size only: the pictures are the same.
TEST(CliRender, CompressionLevelChangesOnlyTheFileSize)
{
    TempDir dir;
    const auto project = dir / "show.gmr";
    WriteFile(project, MovieXml(StaticTextXml("Text_1", "Hello, levels", 10, 10) + StaticTextXml("Text_2", "Again", 40, 90)));
    std::map<std::string, std::string> files;
    for (const char* level : {"0", "1", "9"}) {
        const auto out = dir / (std::string("l") + level + ".png");
        const ProcessResult run =
            RunCli({"render", project.string(), "--frame", "3", "--compression", level, "-o", out.string()});
        ASSERT_EQ(run.exitCode, 0) << level << ": " << run.err;
        files[level] = out.string();
    }
    const QImage fast(QString::fromStdString(files["1"])), small(QString::fromStdString(files["9"])),
        stored(QString::fromStdString(files["0"]));
    ASSERT_FALSE(fast.isNull());
    EXPECT_EQ(fast.convertToFormat(QImage::Format_ARGB32), small.convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(fast.convertToFormat(QImage::Format_ARGB32), stored.convertToFormat(QImage::Format_ARGB32));
    const auto size = [](const std::string& file) { return std::filesystem::file_size(file); };
    EXPECT_LT(size(files["9"]), size(files["0"]));
    EXPECT_LE(size(files["9"]), size(files["1"]));
    EXPECT_LT(size(files["1"]), size(files["0"]));  // level 0 stores the pixels as they are
}

TEST(CliRender, ACompressionOutsideZeroToNineIsAUsageError)
{
    TempDir dir;
    const auto project = dir / "show.gmr";
    WriteFile(project, MovieXml(StaticTextXml("Text_1", "Hi", 10, 10)));
    for (const char* level : {"10", "-1", "fast"}) {
        const ProcessResult run =
            RunCli({"render", project.string(), "--frame", "0", "--compression", level, "-o", (dir / "f.png").string()});
        EXPECT_EQ(run.exitCode, 2) << level;
        EXPECT_FALSE(std::filesystem::exists(dir / "f.png")) << level;
    }
}

// Low quality draws the text's edges without anti-aliasing: two colours only.
TEST(CliRender, QualityLowDrawsWithoutAntiAliasingAndOtherNamesAreUsageErrors)
{
    TempDir dir;
    const auto project = dir / "show.gmr";
    WriteFile(project, MovieXml(StaticTextXml("Text_1", "Hello, edges", 10, 10)));
    auto colours = [](const std::filesystem::path& file) {
        const QImage image = QImage(QString::fromStdString(file.string())).convertToFormat(QImage::Format_RGB32);
        std::set<QRgb> seen;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y));
        return seen.size();
    };
    std::map<std::string, size_t> counts;
    for (const char* quality : {"low", "high"}) {
        const auto out = dir / (std::string(quality) + ".png");
        const ProcessResult run =
            RunCli({"render", project.string(), "--frame", "3", "--quality", quality, "-o", out.string()});
        ASSERT_EQ(run.exitCode, 0) << quality << ": " << run.err;
        counts[quality] = colours(out);
    }
    EXPECT_EQ(counts["low"], 2u);
    EXPECT_GT(counts["high"], 2u);
    const ProcessResult bad =
        RunCli({"render", project.string(), "--frame", "0", "--quality", "ultra", "-o", (dir / "f.png").string()});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.err.find("low, medium, high or best"), std::string::npos) << bad.err;
}

}  // namespace
}  // namespace glimmora::test
