// Videos read back by FFmpeg's own demuxers and decoders: frames, size,
// duration, the sound track's length and timing, and pixels against our
// renderer's.

#include "ExportFixtures.h"
#include "MediaReader.h"

#include "export/MovieFrames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace glimmora::test {
namespace {

// The time of the first sample whose level passes half of full scale.
double FirstLoudSecond(const MediaFile& media)
{
    for (size_t i = 0; i < media.audio.size(); ++i) {
        if (std::abs(media.audio[i]) > 0.5f) return double(i) / media.audioRate;
    }
    return -1;
}

struct VideoCase {
    const char* name;
    const char* extension;
    int audioFrame;  // samples per audio codec frame: the timing tolerance
};

class VideoExport : public ::testing::TestWithParam<VideoCase> {};

TEST_P(VideoExport, FramesSizeDurationAndSoundMatchTheMovie)
{
    const VideoCase& c = GetParam();
    TempDir dir;
    auto movie = MovingBoxMovie(40, 12);
    AddClick(*movie, 30);
    const auto target = dir / (std::string("movie") + c.extension);
    Export(Movie(movie), target, [](auto&) {});

    const MediaFile media = ReadMedia(target, true);
    EXPECT_EQ(media.videoFrames, 40);
    EXPECT_EQ(media.width, 160);
    EXPECT_EQ(media.height, 120);
    EXPECT_NEAR(media.videoSeconds, 40 / 12.0, 0.01);
    ASSERT_TRUE(media.hasAudio);
    // The sound track lasts as long as the frames, to within one codec frame.
    EXPECT_NEAR(media.AudioSeconds(), 40 / 12.0, double(c.audioFrame) / media.audioRate);
    // The click of frame 30 lands at 30 / 12 = 2.5 s, within one audio frame.
    EXPECT_NEAR(FirstLoudSecond(media), 2.5, double(c.audioFrame) / media.audioRate);

    // Decoded frames show what our renderer draws, within the codec's loss.
    exporting::ExportSettings settings;
    exporting::MovieFrames frames(movie, exporting::PlanExport(*movie, settings));
    for (int frame : {0, 17, 39}) {
        ASSERT_LT(size_t(frame), media.images.size());
        EXPECT_LT(MeanDifference(media.images[size_t(frame)], frames.Image(frame)), 3.0) << "frame " << frame;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, VideoExport,
                         ::testing::Values(VideoCase{"Mp4", ".mp4", 1024}, VideoCase{"WebM", ".webm", 960}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VideoExport, SilentMovieHasNoSoundTrack)
{
    TempDir dir;
    Export(Movie(MovingBoxMovie(6)), dir / "silent.mp4", [](auto&) {});
    const MediaFile media = ReadMedia(dir / "silent.mp4");
    EXPECT_EQ(media.videoFrames, 6);
    EXPECT_FALSE(media.hasAudio);
}

TEST(VideoExport, FrameRangeStartsTheSoundsOfItsFirstFrameAtZero)
{
    TempDir dir;
    auto movie = MovingBoxMovie(40, 12);
    AddClick(*movie, 30);
    Export(Movie(movie), dir / "part.mp4", [](auto& s) {
        s.firstFrame = 24;
        s.lastFrame = 35;
    });
    const MediaFile media = ReadMedia(dir / "part.mp4");
    EXPECT_EQ(media.videoFrames, 12);
    EXPECT_NEAR(media.videoSeconds, 1.0, 0.01);
    // Frame 30 is the range's seventh frame: 6 / 12 s in.
    EXPECT_NEAR(FirstLoudSecond(media), 0.5, 1024.0 / 44100);
}

TEST(VideoExport, TargetSizeLetterboxesTheStage)
{
    TempDir dir;
    Export(Movie(MovingBoxMovie(3, 12, 160, 120)), dir / "wide.mp4", [](auto& s) { s.size = QSize(320, 120); });
    const MediaFile media = ReadMedia(dir / "wide.mp4", true);
    ASSERT_EQ(media.images.size(), 3u);
    EXPECT_EQ(media.images[0].size(), QSize(320, 120));
    // The stage is 160 wide in the middle; the bars beside it are the grey background.
    const QColor bar = media.images[0].pixelColor(20, 20);
    EXPECT_NEAR(bar.red(), 200, 6);
    EXPECT_NEAR(bar.green(), 200, 6);
    // The green bar spans the stage only: at its height, the bar region stays grey.
    const QColor outside = media.images[0].pixelColor(40, 70);
    const QColor inside = media.images[0].pixelColor(160, 70);
    EXPECT_NEAR(outside.green(), 200, 8);
    EXPECT_GT(inside.green(), 120);
    EXPECT_LT(inside.red(), 80);
}

}  // namespace
}  // namespace glimmora::test
