// A long picture movie as the editor builds it leaves its pictures on the
// stage, most of them under later ones at the same places: played through,
// every frame is the one drawn with every object, while far fewer pictures
// are decoded at once.

#include "projects/LongMovies.h"
#include "support/BuiltMovie.h"
#include "support/TempDir.h"

#include "player/FrameRenderer.h"
#include "player/timeline/TimelineRunner.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace glimmora::test {
namespace {

TEST(LongPictureMovie, FramesAreThoseDrawnWithEveryObject)
{
    TempDir dir;
    const auto movie = BuiltMovie(bench::WritePictureMovie(dir.Path(), "pictures", 40));
    const player::TimelineRunner runner(movie);
    player::Stage stage = runner.Start(player::RunMode::Play);
    const QSize size(movie->header.WidthPixels(), movie->header.HeightPixels());
    // No budget: only the pictures a frame draws stay decoded.
    player::FrameRenderer renderer(movie, 0), everything(movie, 0);
    everything.SetSkipHidden(false);
    // Decoded pictures and the layers of what stays in place.
    auto held = [](player::FrameRenderer& r) {
        return r.Cache().BitmapBytes() + r.Layers().PixelCount() * 4;
    };
    int64_t most = 0, mostDrawingEverything = 0;
    for (int frame = 0; frame < movie->FrameCount(); ++frame) {
        ASSERT_EQ(renderer.Render(stage, size), everything.Render(stage, size)) << "frame " << frame;
        most = std::max(most, held(renderer));
        mostDrawingEverything = std::max(mostDrawingEverything, held(everything));
        runner.Tick(stage, player::RunMode::Play, false);
    }
    // 4.7 and 10.7 MB: what is held grows with what is on show, not with the movie.
    EXPECT_LT(most * 2, mostDrawingEverything);
}

}  // namespace
}  // namespace glimmora::test
