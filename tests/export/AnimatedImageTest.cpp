// Animated images read back by readers that are not ours: frame counts,
// delays, loop counts and pixels.

#include "ExportFixtures.h"
#include "MediaReader.h"

#include "export/MovieFrames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <numeric>

namespace glimmora::test {
namespace {

QImage OurFrame(const std::shared_ptr<swf::DecodedMovie>& movie, int frame)
{
    exporting::ExportSettings settings;
    exporting::MovieFrames frames(movie, exporting::PlanExport(*movie, settings));
    return frames.Image(frame);
}

TEST(GifExport, FramesDelaysLoopsAndPixels)
{
    TempDir dir;
    const auto movie = MovingBoxMovie(24, 12);
    Export(Movie(movie), dir / "a.gif", [](auto& s) { s.loopCount = 3; });

    const MediaFile gif = ReadMedia(dir / "a.gif", true);
    ASSERT_EQ(gif.videoFrames, 24);
    EXPECT_EQ(gif.width, 160);
    // GIF delays count hundredths: 1/12 s rounds to 8 or 9, adding up to 2 s.
    for (double seconds : gif.frameSeconds) EXPECT_NEAR(seconds, 1 / 12.0, 0.0101);
    EXPECT_NEAR(std::accumulate(gif.frameSeconds.begin(), gif.frameSeconds.end(), 0.0), 2.0, 0.011);
    EXPECT_EQ(GifRepeatCount(dir / "a.gif"), 2);  // three plays: two repeats
    for (int frame : {0, 11, 23})
        EXPECT_LT(MeanDifference(gif.images[size_t(frame)], OurFrame(movie, frame)), 2.0) << "frame " << frame;
}

TEST(GifExport, LoopCountsAsTheFileWritesThem)
{
    // Plays asked for -> NETSCAPE2.0 repeats (-1: no block, the GIF plays once).
    const std::pair<int, int> cases[] = {{0, 0}, {1, -1}, {2, 1}, {10, 9}};
    for (const auto& [plays, repeats] : cases) {
        TempDir dir;
        Export(Movie(MovingBoxMovie(2)), dir / "a.gif", [&](auto& s) { s.loopCount = plays; });
        EXPECT_EQ(GifRepeatCount(dir / "a.gif"), repeats) << plays << " plays";
    }
}

TEST(WebPExport, FramesTimesLoopsAndPixels)
{
    TempDir dir;
    const auto movie = MovingBoxMovie(15, 10);
    Export(Movie(movie), dir / "a.webp", [](auto& s) { s.loopCount = 2; });

    const WebPAnimation webp = ReadWebP(dir / "a.webp");
    EXPECT_EQ(webp.width, 160);
    EXPECT_EQ(webp.height, 120);
    EXPECT_EQ(webp.loopCount, 2);
    ASSERT_EQ(webp.timestampsMs.size(), 15u);
    for (int i = 0; i < 15; ++i) EXPECT_EQ(webp.timestampsMs[size_t(i)], (i + 1) * 100) << "frame " << i;
    for (int frame : {0, 7, 14})
        EXPECT_LT(MeanDifference(webp.images[size_t(frame)], OurFrame(movie, frame)), 3.0) << "frame " << frame;
}

TEST(WebPExport, QualityHundredIsLossless)
{
    TempDir dir;
    const auto movie = MovingBoxMovie(3);
    Export(Movie(movie), dir / "a.webp", [](auto& s) { s.quality = 100; });
    const WebPAnimation webp = ReadWebP(dir / "a.webp");
    ASSERT_EQ(webp.images.size(), 3u);
    EXPECT_EQ(MeanDifference(webp.images[1], OurFrame(movie, 1)), 0.0);
}

TEST(ApngExport, FramesDelaysPlaysAndExactPixels)
{
    TempDir dir;
    const auto movie = MovingBoxMovie(10, 24);
    for (const char* name : {"a.apng", "a.png"}) {
        Export(Movie(movie), dir / name, [](auto& s) { s.loopCount = 4; });
        const MediaFile png = ReadMedia(dir / name, true);
        ASSERT_EQ(png.videoFrames, 10) << name;
        for (double seconds : png.frameSeconds) EXPECT_NEAR(seconds, 1 / 24.0, 0.001) << name;
        EXPECT_EQ(ApngPlays(dir / name), 4) << name;
        EXPECT_EQ(MeanDifference(png.images[5], OurFrame(movie, 5)), 0.0) << name;
    }
}

TEST(PngSequenceExport, OneFileFramedByNumber)
{
    TempDir dir;
    const auto movie = MovingBoxMovie(10);
    Export(Movie(movie), dir / "f_%d.png", [](auto& s) {
        s.firstFrame = 3;
        s.lastFrame = 5;
    });
    EXPECT_EQ(FileNames(dir.Path()), (std::vector<std::string>{"f_3.png", "f_4.png", "f_5.png"}));
    const QImage four((dir / "f_4.png").c_str());
    EXPECT_EQ(MeanDifference(four, OurFrame(movie, 4)), 0.0);
}

}  // namespace
}  // namespace glimmora::test
