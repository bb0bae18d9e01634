// Blend modes: an object drawn on its own and composited onto what is under
// it; "layer" fades a group as one; "alpha" and "erase" act on the layer of
// the clip that holds them, never on the background.

#include "RenderFixture.h"

#include <algorithm>
#include <functional>
#include <string>

namespace glimmora::test {
namespace {

using swf::BlendMode;

constexpr swf::Rgba kBackdrop{200, 100, 50, 255};
constexpr swf::Rgba kTop{100, 150, 250, 255};

// A sprite of one frame placing `ids` at depths 1, 2, ..., the last with `lastMode`.
swf::Sprite OneFrameSprite(const std::vector<uint16_t>& ids, BlendMode lastMode = BlendMode::Normal)
{
    swf::Sprite sprite;
    sprite.frameCount = 1;
    sprite.frames.resize(1);
    for (size_t i = 0; i < ids.size(); ++i) {
        swf::DisplayOp op;
        op.depth = uint16_t(i + 1);
        op.characterId = ids[i];
        if (i + 1 == ids.size()) op.blendMode = lastMode;
        sprite.frames[0].ops.push_back(op);
    }
    return sprite;
}

struct BlendCase {
    const char* name;
    BlendMode mode;
    std::function<int(int top, int under)> channel;  // opaque over opaque
};

// Opaque colour over an opaque backdrop, channel by channel.
TEST(BlendModes, EachModeMixesTheObjectWithWhatIsUnderIt)
{
    const auto multiply = [](int s, int d) { return s * d / 255; };
    const auto screen = [](int s, int d) { return s + d - s * d / 255; };
    const auto hardLight = [&](int s, int d) { return s < 128 ? 2 * s * d / 255 : 255 - 2 * (255 - s) * (255 - d) / 255; };
    const std::vector<BlendCase> cases{
        {"normal", BlendMode::Normal, [](int s, int) { return s; }},
        {"layer", BlendMode::Layer, [](int s, int) { return s; }},
        {"multiply", BlendMode::Multiply, multiply},
        {"screen", BlendMode::Screen, screen},
        {"lighten", BlendMode::Lighten, [](int s, int d) { return std::max(s, d); }},
        {"darken", BlendMode::Darken, [](int s, int d) { return std::min(s, d); }},
        {"difference", BlendMode::Difference, [](int s, int d) { return std::abs(s - d); }},
        {"add", BlendMode::Add, [](int s, int d) { return std::min(s + d, 255); }},
        {"subtract", BlendMode::Subtract, [](int s, int d) { return std::max(d - s, 0); }},
        {"invert", BlendMode::Invert, [](int, int d) { return 255 - d; }},
        {"overlay", BlendMode::Overlay, [&](int s, int d) { return hardLight(d, s); }},
        {"hardlight", BlendMode::HardLight, hardLight},
    };
    for (const BlendCase& c : cases) {
        SCOPED_TRACE(c.name);
        MovieFixture fixture;
        fixture.Define(1, RectShape(0, 0, 100, 100, Solid(kBackdrop)));
        fixture.Define(2, RectShape(20, 20, 40, 40, Solid(kTop)));
        fixture.Place(0, 1, 1);
        fixture.Place(0, 2, 2).blendMode = c.mode;
        const QImage image = fixture.Render();
        const QColor expected(c.channel(kTop.r, kBackdrop.r), c.channel(kTop.g, kBackdrop.g),
                              c.channel(kTop.b, kBackdrop.b));
        EXPECT_PIXEL_NEAR(image, 40, 40, expected, 2);
        EXPECT_PIXEL(image, 10, 10, Q(kBackdrop));  // outside the object: untouched
        EXPECT_PIXEL(image, 70, 70, Q(kBackdrop));
    }
}

// A half-transparent object blends only as far as it covers.
TEST(BlendModes, ATranslucentObjectBlendsAsFarAsItCovers)
{
    MovieFixture fixture;
    fixture.Define(1, RectShape(0, 0, 100, 100, Solid(kBackdrop)));
    fixture.Define(2, RectShape(20, 20, 40, 40, Solid({255, 255, 255, 128})));
    fixture.Place(0, 1, 1);
    fixture.Place(0, 2, 2).blendMode = BlendMode::Invert;
    fixture.Place(0, 3, 2, Translate(40, 40)).blendMode = BlendMode::Subtract;
    const QImage image = fixture.Render();
    // Half inverted: (200, 100, 50) half way to (55, 155, 205).
    EXPECT_PIXEL(image, 30, 30, QColor(128, 128, 127));
    // Half of white taken away (128 from each channel).
    EXPECT_PIXEL(image, 90, 90, QColor(72, 0, 0));
}

// Two overlapping squares in a sprite faded to half: each fades on its own
// (the overlap is covered twice), or, as a layer, the group fades as one.
TEST(BlendModes, ALayerFadesItsObjectsAsOne)
{
    for (const BlendMode mode : {BlendMode::Normal, BlendMode::Layer}) {
        MovieFixture fixture;
        fixture.Define(1, RectShape(10, 10, 50, 50, Solid(kRed)));
        fixture.Define(2, RectShape(40, 40, 50, 50, Solid(kBlue)));
        fixture.Define(5, OneFrameSprite({1, 2}));
        swf::DisplayOp& placed = fixture.Place(0, 1, 5);
        placed.blendMode = mode;
        swf::ColorTransform half;
        half.multA = 128;
        placed.colorTransform = half;
        const QImage image = fixture.Render();
        SCOPED_TRACE(mode == BlendMode::Layer ? "layer" : "normal");
        EXPECT_PIXEL(image, 20, 20, QColor(255, 127, 127));
        EXPECT_PIXEL(image, 80, 80, QColor(127, 127, 255));
        // The overlap: blue over red over white, each at half; or blue at half.
        EXPECT_PIXEL(image, 50, 50, mode == BlendMode::Layer ? QColor(127, 127, 255) : QColor(127, 63, 191));
    }
}

// A clip holding a red square and, above it, a square that erases or masks:
// the clip's own layer changes; the backdrop under the clip stays.
TEST(BlendModes, AlphaAndEraseActOnTheLayerOfTheClipHoldingThem)
{
    // The cutter: opaque on the left, half transparent on the right.
    swf::Shape cutterShape;
    cutterShape.version = 3;
    cutterShape.bounds = {Px(20), Px(60), Px(20), Px(80)};
    cutterShape.fillStyles = {Solid(kGreen), Solid({0, 255, 0, 128})};
    AddContour(cutterShape.records, {{20, 20}, {40, 20}, {40, 80}, {20, 80}}, 0, 1);
    AddContour(cutterShape.records, {{40, 20}, {60, 20}, {60, 80}, {40, 80}}, 0, 2);
    for (const BlendMode mode : {BlendMode::Erase, BlendMode::Alpha}) {
        SCOPED_TRACE(mode == BlendMode::Erase ? "erase" : "alpha");
        MovieFixture fixture;
        fixture.Define(1, RectShape(0, 0, 60, 60, Solid(kRed)));
        fixture.Define(2, cutterShape);
        fixture.Define(4, RectShape(0, 0, 100, 100, Solid(kBlue)));
        fixture.Define(5, OneFrameSprite({1, 2}, mode));
        fixture.Place(0, 1, 4);  // the backdrop, outside the clip
        fixture.Place(0, 2, 5);
        const QImage image = fixture.Render();
        const QColor halfRed(127, 0, 128);  // half red over blue
        if (mode == BlendMode::Erase) {
            EXPECT_PIXEL(image, 10, 10, Q(kRed));    // not under the eraser
            EXPECT_PIXEL(image, 30, 30, Q(kBlue));   // erased
            EXPECT_PIXEL(image, 50, 30, halfRed);    // half erased
        } else {
            EXPECT_PIXEL(image, 10, 10, Q(kBlue));   // outside the mask: gone
            EXPECT_PIXEL(image, 30, 30, Q(kRed));    // kept whole
            EXPECT_PIXEL(image, 50, 30, halfRed);    // kept half
        }
        EXPECT_PIXEL(image, 90, 90, Q(kBlue));  // the backdrop is never touched
        EXPECT_PIXEL(image, 30, 70, Q(kBlue));
    }
}

// On the main timeline, erasing shows the movie's background colour, not a
// hole in the picture.
TEST(BlendModes, EraseOnTheMainTimelineShowsTheBackgroundColour)
{
    MovieFixture fixture(100, 100, kGreen);
    fixture.Define(1, RectShape(0, 0, 100, 100, Solid(kRed)));
    fixture.Define(2, RectShape(20, 20, 40, 40, Solid(kBlue)));
    fixture.Place(0, 1, 1);
    fixture.Place(0, 2, 2).blendMode = BlendMode::Erase;
    const QImage image = fixture.Render();
    EXPECT_PIXEL(image, 40, 40, Q(kGreen));
    EXPECT_EQ(qAlpha(image.pixel(40, 40)), 255);
    EXPECT_PIXEL(image, 10, 10, Q(kRed));
}

// A bitmap cache changes nothing that shows, except that the object's alpha
// fades it as a whole.
TEST(BlendModes, ACachedBitmapLooksAsTheObjectDrawnDirectly)
{
    MovieFixture plain, cached;
    for (MovieFixture* fixture : {&plain, &cached}) {
        fixture->Define(1, RectShape(10.3, 10.6, 50.2, 30.7, Solid(kRed)));
        fixture->Place(0, 1, 1, Affine(0.9, 0.2, -0.2, 0.9, 5, 3));
    }
    cached.Op(0, swf::DisplayOp::Kind::Modify, 1).cacheAsBitmap = true;
    const QImage a = plain.Render(), b = cached.Render();
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    }
    EXPECT_LE(largest, 2);
    EXPECT_PIXEL(b, 30, 30, Q(kRed));
}

// A cached object with an opaque background: its bounds filled with that
// colour, made opaque and given the object's colour transform, under it.
TEST(BlendModes, AnOpaqueBackgroundFillsTheObjectsBoundsUnderIt)
{
    swf::Shape shape = RectShape(30, 30, 20, 20, Solid(kRed));
    shape.bounds = {Px(10), Px(70), Px(10), Px(70)};  // wider than its fill
    MovieFixture fixture;
    fixture.Define(1, shape);
    swf::DisplayOp& place = fixture.Place(0, 1, 1, Translate(5, 0));
    place.cacheAsBitmap = true;
    place.opaqueBackground = swf::Rgba{0, 0, 255, 10};
    place.colorTransform = swf::ColorTransform{256, 256, 256, 256, 0, 255, 0, 0};  // add green
    const QImage image = fixture.Render();
    EXPECT_PIXEL(image, 20, 15, QColor(0, 255, 255));   // the background, opaque
    EXPECT_PIXEL(image, 45, 40, QColor(255, 255, 0));   // the fill over it
    EXPECT_PIXEL(image, 80, 40, Q(kWhite));             // past the bounds
    EXPECT_PIXEL(image, 12, 40, Q(kWhite));
}

}  // namespace
}  // namespace glimmora::test
