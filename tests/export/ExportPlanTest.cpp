// What an export's settings come to: the format chosen by the output's name,
// and the frames, size and rate planned for a movie.

#include "ExportFixtures.h"

#include "export/ExportError.h"
#include "export/ExportSettings.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

using exporting::ExportFormat;

TEST(ExportFormatForPath, ExtensionChoosesTheFormat)
{
    const struct {
        const char* path;
        std::optional<ExportFormat> format;
    } cases[] = {
        {"out.mp4", ExportFormat::Mp4},
        {"OUT.MP4", ExportFormat::Mp4},
        {"clip.webm", ExportFormat::WebM},
        {"a.gif", ExportFormat::Gif},
        {"a.webp", ExportFormat::WebP},
        {"a.apng", ExportFormat::Apng},
        {"a.png", ExportFormat::Apng},
        {"frame_%d.png", ExportFormat::PngSequence},
        {"dir%d/frame.png", ExportFormat::Apng},  // the number belongs in the file's name
        {"page.html", ExportFormat::Html},
        {"page.htm", ExportFormat::Html},
        {"movie.swf", std::nullopt},
        {"movie", std::nullopt},
        {"movie.mp4.bak", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(exporting::FormatForPath(c.path), c.format) << c.path;
}

TEST(ExportPlan, WholeMovieAtItsOwnSizeAndRate)
{
    const auto movie = MovingBoxMovie(20, 15, 161, 99);
    exporting::ExportSettings settings;
    settings.format = ExportFormat::Gif;
    const exporting::ExportPlan plan = exporting::PlanExport(*movie, settings);
    EXPECT_EQ(plan.firstFrame, 0);
    EXPECT_EQ(plan.lastFrame, 19);
    EXPECT_EQ(plan.size, QSize(161, 99));
    EXPECT_EQ(plan.frameRate, 15 * 256);
}

TEST(ExportPlan, SizesScalesAndVideoRounding)
{
    const auto movie = MovingBoxMovie(5, 12, 161, 99);
    const struct {
        ExportFormat format;
        std::optional<QSize> size;
        double scale;
        QSize expected;
    } cases[] = {
        {ExportFormat::Gif, QSize(320, 240), 1.0, QSize(320, 240)},
        {ExportFormat::Gif, std::nullopt, 2.0, QSize(322, 198)},
        {ExportFormat::Gif, std::nullopt, 0.5, QSize(81, 50)},
        {ExportFormat::Mp4, std::nullopt, 1.0, QSize(162, 100)},   // codecs need even sizes
        {ExportFormat::WebM, QSize(101, 77), 1.0, QSize(102, 78)},
        {ExportFormat::WebP, QSize(101, 77), 1.0, QSize(101, 77)},
    };
    for (const auto& c : cases) {
        exporting::ExportSettings settings;
        settings.format = c.format;
        settings.size = c.size;
        settings.scale = c.scale;
        EXPECT_EQ(exporting::PlanExport(*movie, settings).size, c.expected)
            << exporting::FormatInfo(c.format).name << " scale " << c.scale;
    }
}

TEST(ExportPlan, BadSettingsAreRefusedWithTheReason)
{
    const auto movie = MovingBoxMovie(10);
    const struct {
        const char* what;
        void (*change)(exporting::ExportSettings&);
        const char* message;
    } cases[] = {
        {"range past the end", [](auto& s) { s.firstFrame = 5; s.lastFrame = 10; }, "which has 10 frames"},
        {"backwards range", [](auto& s) { s.firstFrame = 5; s.lastFrame = 4; }, "are not in the movie"},
        {"huge size", [](auto& s) { s.size = QSize(9000, 10); }, "is not between 1x1 and 8192x8192"},
        {"huge scale", [](auto& s) { s.scale = 100; }, "is not between"},
        {"zero scale", [](auto& s) { s.scale = 0; }, "scale must be a number above 0"},
        {"quality 0", [](auto& s) { s.quality = 0; }, "quality must be between 1 and 100"},
        {"negative loops", [](auto& s) { s.loopCount = -1; }, "loop count cannot be negative"},
    };
    for (const auto& c : cases) {
        exporting::ExportSettings settings;
        settings.format = ExportFormat::Gif;
        c.change(settings);
        try {
            exporting::PlanExport(*movie, settings);
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const exporting::ExportError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
        }
    }
}

TEST(ExportPlan, MovieWithoutFramesHasNothingToExport)
{
    swf::DecodedMovie empty;
    EXPECT_THROW(exporting::PlanExport(empty, {}), exporting::ExportError);
}

TEST(ExportPlan, RateZeroPlaysAtTwelveAsThePlayerDoes)
{
    auto movie = MovingBoxMovie(3);
    movie->header.frameRate = 0;
    EXPECT_EQ(exporting::PlanExport(*movie, {}).frameRate, 12 * 256);
}

}  // namespace
}  // namespace glimmora::test
