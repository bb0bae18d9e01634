// The display list as drawn: clip layers, sprites at their own frame, and
// the stage fitted into the target with its aspect ratio kept.

#include "RenderFixture.h"

#include "support/FrameScripts.h"

namespace glimmora::test {
namespace {

struct PixelCase {
    int x, y;
    swf::Rgba expected;
};

TEST(ClipLayers, MaskClipsOnlyTheDepthsItCovers)
{
    MovieFixture fixture;
    fixture.Define(10, RectShape(0, 0, 50, 100, Solid(kGreen)));  // the mask: left half
    fixture.Define(1, RectShape(0, 0, 100, 100, Solid(kRed)));
    fixture.Define(2, RectShape(60, 60, 20, 20, Solid(kBlue)));
    fixture.Place(0, 1, 10).clipDepth = 2;
    fixture.Place(0, 2, 1);
    fixture.Place(0, 3, 2);
    const QImage image = fixture.Render();
    for (const PixelCase& c : std::vector<PixelCase>{{25, 50, kRed}, {75, 30, kWhite},
                                                     {70, 70, kBlue}, {49, 10, kRed},
                                                     {51, 10, kWhite}}) {
        EXPECT_PIXEL(image, c.x, c.y, Q(c.expected));
    }
}

TEST(Sprites, DrawTheirOwnFrame)
{
    // The sprite moves its square 20 px right on each of its three frames.
    swf::Sprite sprite;
    sprite.frameCount = 3;
    sprite.frames.resize(3);
    auto spriteOp = [&](int frame, swf::DisplayOp::Kind kind, double x) {
        swf::DisplayOp op;
        op.kind = kind;
        op.depth = 1;
        if (kind == swf::DisplayOp::Kind::Place) op.characterId = 1;
        op.matrix = Translate(x, 0);
        sprite.frames[size_t(frame)].ops.push_back(op);
    };
    spriteOp(0, swf::DisplayOp::Kind::Place, 0);
    spriteOp(1, swf::DisplayOp::Kind::Modify, 20);
    spriteOp(2, swf::DisplayOp::Kind::Modify, 40);

    MovieFixture fixture(100, 60, kWhite, 8);
    fixture.Define(1, RectShape(0, 0, 10, 10, Solid(kRed)));
    fixture.Define(5, sprite);
    fixture.Define(6, sprite);
    fixture.Place(1, 1, 5, Translate(10, 10));
    fixture.Place(1, 2, 5, Translate(10, 30));
    // Replaced by another sprite, an instance starts anew at frame 5; by
    // the same sprite, it plays on.
    fixture.Op(5, swf::DisplayOp::Kind::Replace, 1).characterId = 6;
    fixture.Op(5, swf::DisplayOp::Kind::Replace, 2).characterId = 5;

    struct Case {
        int mainFrame, replaced, kept;
    };
    for (const Case& c : {Case{1, 0, 0}, Case{2, 1, 1}, Case{3, 2, 2}, Case{4, 0, 0}, Case{5, 0, 1},
                          Case{6, 1, 2}, Case{7, 2, 0}}) {
        SCOPED_TRACE("main frame " + std::to_string(c.mainFrame));
        const QImage image = fixture.Render(c.mainFrame);
        for (int local = 0; local < 3; ++local) {
            EXPECT_PIXEL(image, 15 + 20 * local, 15, Q(local == c.replaced ? kRed : kWhite));
            EXPECT_PIXEL(image, 15 + 20 * local, 35, Q(local == c.kept ? kRed : kWhite));
        }
    }
    EXPECT_PIXEL(fixture.Render(0), 15, 15, Q(kWhite));
}

// A sprite whose square moves 20 px right on each of its three frames; with
// `stopAtEnd`, its last frame stops it.
swf::Sprite Mover(bool stopAtEnd = false)
{
    swf::Sprite sprite;
    sprite.frameCount = 3;
    sprite.frames.resize(3);
    for (int frame = 0; frame < 3; ++frame) {
        swf::DisplayOp op;
        op.kind = frame == 0 ? swf::DisplayOp::Kind::Place : swf::DisplayOp::Kind::Modify;
        op.depth = 1;
        if (frame == 0) op.characterId = 1;
        op.matrix = Translate(20 * frame, 0);
        sprite.frames[size_t(frame)].ops.push_back(op);
    }
    if (stopAtEnd) sprite.frames[2].scripts.push_back(StopScript());
    return sprite;
}

TEST(Sprites, AClipInsideAOneFrameClipPlaysAndAStopHoldsIt)
{
    for (bool stopAtEnd : {false, true}) {
        SCOPED_TRACE(stopAtEnd ? "stops at its end" : "loops");
        // Sprite 10 has one frame, which holds the mover.
        swf::Sprite holder;
        holder.frameCount = 1;
        holder.frames.resize(1);
        swf::DisplayOp inner;
        inner.depth = 1;
        inner.characterId = 20;
        holder.frames[0].ops.push_back(inner);

        MovieFixture fixture(100, 40, kWhite, 8);
        fixture.Define(1, RectShape(0, 0, 10, 10, Solid(kRed)));
        fixture.Define(20, Mover(stopAtEnd));
        fixture.Define(10, holder);
        fixture.Place(0, 1, 10, Translate(10, 10));
        for (int frame = 0; frame < 8; ++frame) {
            const int local = stopAtEnd ? std::min(frame, 2) : frame % 3;
            const QImage image = fixture.Render(frame);
            for (int x = 0; x < 3; ++x) {
                EXPECT_PIXEL(image, 15 + 20 * x, 15, Q(x == local ? kRed : kWhite)) << "main frame " << frame;
            }
        }
    }
}

TEST(Sprites, ColourTransformsCompose)
{
    swf::Sprite sprite;
    sprite.frameCount = 1;
    sprite.frames.resize(1);
    swf::DisplayOp inner;
    inner.depth = 1;
    inner.characterId = 1;
    inner.colorTransform = swf::ColorTransform{};
    inner.colorTransform->multA = 128;  // half transparent inside the sprite
    sprite.frames[0].ops.push_back(inner);

    MovieFixture fixture;
    fixture.Define(1, RectShape(0, 0, 20, 20, Solid(kWhite)));
    fixture.Define(5, sprite);
    swf::ColorTransform toBlue;
    toBlue.multR = toBlue.multG = 0;  // the parent keeps only blue
    fixture.Place(0, 1, 5, Translate(10, 10)).colorTransform = toBlue;
    fixture.Movie()->background = swf::Rgba{0, 0, 0, 255};
    const QImage image = fixture.Render();
    EXPECT_PIXEL(image, 20, 20, QColor(0, 0, 128));
}

// A damaged movie: a sprite placing itself twice, as a clip layer too.
// Drawing stops at a bound instead of doubling without end.
TEST(Sprites, SelfPlacingSpriteEndsAtABound)
{
    swf::Sprite sprite;
    sprite.frameCount = 1;
    sprite.frames.resize(1);
    for (uint16_t depth : {1, 2, 3}) {
        swf::DisplayOp op;
        op.depth = depth;
        op.characterId = depth == 3 ? 1 : 5;
        op.matrix = Translate(1, 1);
        sprite.frames[0].ops.push_back(op);
    }
    MovieFixture fixture;
    fixture.Define(1, RectShape(0, 0, 5, 5, Solid(kBlue)));
    fixture.Define(5, sprite);
    fixture.Define(2, RectShape(60, 60, 20, 20, Solid(kRed)));
    fixture.Place(0, 1, 5).clipDepth = 2;
    fixture.Place(0, 2, 5);
    fixture.Place(0, 3, 2);
    const QImage image = fixture.Render();
    ASSERT_EQ(image.size(), QSize(100, 100));
    EXPECT_PIXEL(image, 0, 0, Q(kWhite));
    EXPECT_PIXEL(image, 99, 0, Q(kWhite));
}

// A long movie's settled objects, held by sprites, can be more than the
// 65,535 a display list holds: every one of them is drawn.
TEST(Sprites, EveryObjectOfAFullStageIsDrawn)
{
    constexpr int kWidth = 300, kHeight = 200;  // a sprite with an object on each pixel
    swf::Sprite sprite;
    sprite.frameCount = 1;
    sprite.frames.resize(1);
    for (int i = 0; i < kWidth * kHeight; ++i) {
        swf::DisplayOp op;
        op.depth = uint16_t(i + 1);
        op.characterId = i + 1 == kWidth * kHeight ? 2 : 1;  // the last one blue
        op.matrix = Translate(i % kWidth, i / kWidth);
        sprite.frames[0].ops.push_back(op);
    }
    MovieFixture fixture(2 * kWidth, kHeight);
    fixture.Define(1, RectShape(0, 0, 1, 1, Solid(kRed)));
    fixture.Define(2, RectShape(0, 0, 1, 1, Solid(kBlue)));
    fixture.Define(5, sprite);
    fixture.Place(0, 1, 5);
    fixture.Place(0, 2, 5, Translate(kWidth, 0));  // 120,000 objects in all
    const QImage image = fixture.Render();
    for (int copy = 0; copy < 2; ++copy) {
        const int left = copy * kWidth;
        EXPECT_PIXEL(image, left, 0, Q(kRed));
        EXPECT_PIXEL(image, left + 99, 183, Q(kRed));  // the 55,000th
        EXPECT_PIXEL(image, left + kWidth - 2, kHeight - 1, Q(kRed));
        EXPECT_PIXEL(image, left + kWidth - 1, kHeight - 1, Q(kBlue));
    }
}

TEST(StageFitting, AspectRatioKeptAndCentred)
{
    struct Case {
        const char* name;
        QSize target;
        std::vector<PixelCase> pixels;
    };
    // A 100x50 stage, green, with a 10x10 red square at its top-left corner and
    // a blue rectangle reaching far outside the stage on the right.
    const std::vector<Case> cases = {
        {"square target: bars above and below", {200, 200},
         {{1, 51, kRed}, {19, 69, kRed}, {21, 60, kGreen}, {1, 48, kGreen}, {100, 20, kGreen},
          {100, 180, kGreen}, {198, 100, kBlue}}},
        {"wide target: bars left and right", {400, 100},
         {{101, 1, kRed}, {119, 19, kRed}, {98, 10, kGreen}, {50, 50, kGreen}, {298, 50, kBlue},
          {350, 50, kGreen}}},
        {"same aspect", {50, 25}, {{2, 2, kRed}, {6, 2, kGreen}, {49, 20, kBlue}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MovieFixture fixture(100, 50, kGreen);
        fixture.Define(1, RectShape(0, 0, 10, 10, Solid(kRed)));
        fixture.Define(2, RectShape(90, 0, 200, 50, Solid(kBlue)));
        fixture.Place(0, 1, 1);
        fixture.Place(0, 2, 2);
        const QImage image = fixture.Render(0, c.target);
        ASSERT_EQ(image.size(), c.target);
        for (const PixelCase& p : c.pixels) EXPECT_PIXEL(image, p.x, p.y, Q(p.expected));
    }
}

}  // namespace
}  // namespace glimmora::test
