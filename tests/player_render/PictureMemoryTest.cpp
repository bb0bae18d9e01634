// A long movie of pictures keeps only the pictures it draws, plus a budget of
// recently drawn ones; a dropped picture comes back, to the same pixels, in
// the frame that needs it again.

#include "RenderFixture.h"

#include "player/FrameRenderer.h"
#include "player/timeline/StageCursor.h"

namespace glimmora::test {
namespace {

using Type = swf::FillStyle::Type;

constexpr int kSide = 16;  // pixels of each picture
constexpr int64_t kPictureBytes = int64_t(kSide) * kSide * 4;

// A lossless picture of its own: stripes in colours made from `seed`.
swf::Bitmap Picture(int seed)
{
    std::vector<uint8_t> pixels;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const bool stripe = (x / 4 + y / 4 + seed) % 2 == 0;
            pixels.insert(pixels.end(), {255, uint8_t(stripe ? 40 * seed : 255), uint8_t(stripe ? 0 : 30 * seed),
                                         uint8_t(x * 15)});
        }
    }
    return ArgbPicture(kSide, kSide, std::move(pixels));
}

// Six pictures on a 20-frame timeline: two on the stage at a time, each
// leaving and coming back (picture p shows in frames where (f + p) % 6 < 2),
// the second one fading so that its transformed copy changes every frame.
std::shared_ptr<swf::DecodedMovie> PictureCarousel()
{
    constexpr int kFrames = 20, kPictures = 6;
    MovieFixture fixture(100, 40, kWhite, kFrames);
    for (int p = 0; p < kPictures; ++p) {
        const uint16_t bitmapId = uint16_t(100 + p), shapeId = uint16_t(1 + p);
        fixture.Define(bitmapId, Picture(p + 1));
        fixture.Define(shapeId, RectShape(0, 0, 32, 32, BitmapFill(Type::ClippedBitmap, bitmapId, Affine(40, 0, 0, 40, 0, 0))));
    }
    for (int f = 0; f < kFrames; ++f) {
        for (int p = 0; p < kPictures; ++p) {
            const uint16_t depth = uint16_t(1 + p);
            const bool shown = (f + p) % kPictures < 2;
            const bool shownBefore = f > 0 && (f - 1 + p) % kPictures < 2;
            if (shown && !shownBefore) {
                fixture.Place(f, depth, uint16_t(1 + p), Translate(4 + 16 * p, 4));
            } else if (!shown && shownBefore) {
                fixture.Op(f, swf::DisplayOp::Kind::Remove, depth);
            }
            if (shown && (f + p) % kPictures == 1) {
                swf::ColorTransform fade;
                fade.multR = int16_t(256 - 10 * f);
                fade.addB = int16_t(5 * f);
                fixture.Op(f, swf::DisplayOp::Kind::Modify, depth).colorTransform = fade;
            }
        }
    }
    return fixture.Movie();
}

TEST(PictureMemory, DroppedPicturesComeBackExactlyWhenDrawnAgain)
{
    const auto movie = PictureCarousel();
    const QSize size(100, 40);
    player::StageCursor cursor(movie);
    // Room for one picture beyond the two drawn: most pictures are dropped
    // between their showings.
    player::FrameRenderer kept(movie, kPictureBytes);
    size_t most = 0;
    for (int round = 0; round < 2; ++round) {
        for (int f = 0; f < movie->FrameCount(); ++f) {
            SCOPED_TRACE("round " + std::to_string(round) + ", frame " + std::to_string(f));
            const player::Stage& stage = cursor.Seek(f);
            const QImage image = kept.Render(stage, size);
            most = std::max(most, kept.Cache().BitmapCount());
            EXPECT_LE(kept.Cache().BitmapCount(), 3u);
            EXPECT_LE(kept.Cache().BitmapBytes(), 3 * kPictureBytes);
            // A renderer that never drew anything before decodes every picture afresh.
            player::FrameRenderer fresh(movie);
            ASSERT_EQ(image, fresh.Render(stage, size));
        }
    }
    EXPECT_GE(most, 2u);  // the two pictures of a frame were there while it was drawn
}

TEST(PictureMemory, PicturesWithinTheBudgetStay)
{
    const auto movie = PictureCarousel();
    player::StageCursor cursor(movie);
    player::FrameRenderer renderer(movie, 6 * kPictureBytes);
    for (int f = 0; f < movie->FrameCount(); ++f) renderer.Render(cursor.Seek(f), QSize(100, 40));
    EXPECT_EQ(renderer.Cache().BitmapCount(), 6u);
    EXPECT_EQ(renderer.Cache().BitmapBytes(), 6 * kPictureBytes);
}

}  // namespace
}  // namespace glimmora::test
