// Morph shapes drawn at their placement's ratio: points, colours, gradient
// stops and line widths in proportion between the start and the end, a
// straight edge paired with a curve bending as far as the ratio says.

#include "RenderFixture.h"

#include "player/FrameRenderer.h"
#include "player/timeline/StageCursor.h"

#include <cmath>

namespace glimmora::test {
namespace {

constexpr uint16_t kHalf = 32768;  // a ratio of 0.500008
const QColor kPurple(128, 0, 127);

swf::MorphFillStyle SolidPair(swf::Rgba start, swf::Rgba end)
{
    return {Solid(start), Solid(end)};
}

// A red 20 px square at (10, 10) becoming a blue 40 px square at (50, 50):
// half way it is a purple 30 px square at (30, 30).
swf::MorphShape GrowingSquare()
{
    swf::MorphShape morph;
    morph.startBounds = {Px(10), Px(30), Px(10), Px(30)};
    morph.endBounds = {Px(50), Px(90), Px(50), Px(90)};
    morph.fillStyles = {SolidPair(kRed, kBlue)};
    AddContour(morph.startRecords, {{10, 10}, {30, 10}, {30, 30}, {10, 30}}, 0, 1);
    AddContour(morph.endRecords, {{50, 50}, {90, 50}, {90, 90}, {50, 90}}, 0, 0);
    for (swf::ShapeRecord& record : morph.endRecords) {
        record.fillStyle0.reset();  // the end's style changes only move
        record.fillStyle1.reset();
        record.lineStyle.reset();
    }
    return morph;
}

MovieFixture PlacedAt(const swf::MorphShape& morph, uint16_t ratio)
{
    MovieFixture fixture;
    fixture.Define(1, morph);
    fixture.Place(0, 1, 1).ratio = ratio;
    return fixture;
}

struct Probe {
    int x, y;
    QColor expected;
};

TEST(MorphShapes, TheShapeBetweenStartAndEndIsTheRatiosShare)
{
    const struct {
        uint16_t ratio;
        std::vector<Probe> probes;
    } cases[] = {
        {0, {{20, 20, Q(kRed)}, {35, 35, Q(kWhite)}, {70, 70, Q(kWhite)}}},
        {kHalf, {{20, 20, Q(kWhite)}, {32, 32, kPurple}, {57, 57, kPurple}, {62, 62, Q(kWhite)}}},
        {65535, {{20, 20, Q(kWhite)}, {45, 45, Q(kWhite)}, {52, 52, Q(kBlue)}, {88, 88, Q(kBlue)}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ratio);
        const QImage image = PlacedAt(GrowingSquare(), c.ratio).Render();
        for (const Probe& p : c.probes) {
            EXPECT_PIXEL(image, p.x, p.y, p.expected);
        }
    }
}

TEST(MorphShapes, EachFrameDrawsItsOwnRatio)
{
    // The ratio changes while the object stays put: every frame shows its
    // own shape, not one kept from the frame before.
    MovieFixture fixture(100, 100, kWhite, 4);
    fixture.Define(1, GrowingSquare());
    fixture.Place(0, 1, 1).ratio = 0;
    fixture.Op(1, swf::DisplayOp::Kind::Modify, 1).ratio = kHalf;
    fixture.Op(2, swf::DisplayOp::Kind::Modify, 1).ratio = kHalf;
    fixture.Op(3, swf::DisplayOp::Kind::Modify, 1).ratio = 65535;
    const auto movie = fixture.Movie();
    player::StageCursor cursor(movie);
    player::FrameRenderer renderer(movie);
    const QColor centre[] = {Q(kWhite), kPurple, kPurple, Q(kBlue)};  // at (55, 55)
    const QColor corner[] = {Q(kRed), Q(kWhite), Q(kWhite), Q(kWhite)};  // at (12, 12)
    for (int frame = 0; frame < 4; ++frame) {
        SCOPED_TRACE(frame);
        const QImage image = renderer.Render(cursor.Seek(frame), QSize(100, 100));
        EXPECT_PIXEL(image, 55, 55, centre[frame]);
        EXPECT_PIXEL(image, 12, 12, corner[frame]);
    }
}

TEST(MorphShapes, AStraightEdgePairedWithACurveBendsByTheRatio)
{
    // A box whose top edge is straight at the start and a curve through
    // (50, 0) at the end: the curve's middle is at y = 20; half way the
    // control point is at y = 20 and the middle at y = 30.
    swf::MorphShape morph;
    morph.startBounds = morph.endBounds = {Px(10), Px(90), Px(0), Px(90)};
    morph.fillStyles = {SolidPair(kRed, kRed)};
    AddContour(morph.startRecords, {{10, 40}, {90, 40}, {90, 90}, {10, 90}}, 0, 1);
    AddContour(morph.endRecords, {{10, 40}, {90, 40}, {90, 90}, {10, 90}}, 0, 0);
    swf::ShapeRecord& top = morph.endRecords[1];
    top.kind = swf::ShapeRecord::Kind::Curve;
    top.controlX = Px(50);
    top.controlY = Px(0);
    const struct {
        uint16_t ratio;
        int insideY, outsideY;  // at x = 50
    } cases[] = {{0, 42, 38}, {kHalf, 32, 28}, {65535, 22, 18}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ratio);
        const QImage image = PlacedAt(morph, c.ratio).Render();
        EXPECT_PIXEL(image, 50, c.insideY, Q(kRed));
        EXPECT_PIXEL(image, 50, c.outsideY, Q(kWhite));
        EXPECT_PIXEL(image, 15, 42, Q(kRed));  // the corners do not move
    }
}

TEST(MorphShapes, GradientStopsAndLineWidthsMoveWithTheRatio)
{
    // A linear gradient across a 100 px box whose middle stop goes from red
    // at x = 0 to red at x = 100 (green before it, blue after); around the
    // box a line from 1 px to 11 px wide, from black to green.
    auto gradient = [](uint8_t middle) {
        swf::FillStyle fill;
        fill.type = swf::FillStyle::Type::Linear;
        fill.matrix = Affine(100.0 * 20 / 32768, 0, 0, 100.0 * 20 / 32768, 50, 50);
        fill.stops = {{0, kGreen}, {middle, kRed}, {255, kBlue}};
        return fill;
    };
    swf::MorphShape morph;
    morph.startBounds = morph.endBounds = {Px(0), Px(100), Px(0), Px(100)};
    morph.fillStyles = {{gradient(0), gradient(255)}};
    swf::MorphLineStyle line;
    line.start.width = 20;
    line.start.color = {0, 0, 0, 255};
    line.end.width = 220;
    line.end.color = kGreen;
    morph.lineStyles = {line};
    AddContour(morph.startRecords, {{0, 0}, {100, 0}, {100, 100}, {0, 100}}, 0, 1, 1);
    AddContour(morph.endRecords, {{0, 0}, {100, 0}, {100, 100}, {0, 100}}, 0, 0);
    MovieFixture fixture(120, 120);
    fixture.Define(1, morph);
    fixture.Place(0, 1, 1, Translate(10, 10)).ratio = kHalf;
    const QImage image = fixture.Render();
    // The middle stop at ratio 128 (x = 50): red there, green to blue mixed
    // on either side in straight proportion.
    EXPECT_PIXEL_NEAR(image, 60, 60, Q(kRed), 8);
    EXPECT_PIXEL_NEAR(image, 35, 60, QColor(128, 128, 0), 10);  // a quarter across: half green, half red
    EXPECT_PIXEL_NEAR(image, 85, 60, QColor(128, 0, 128), 10);
    // The line is 6 px wide (3 px each side of the edge), half way to green.
    EXPECT_PIXEL_NEAR(image, 60, 8, QColor(0, 128, 0), 8);
    EXPECT_PIXEL_NEAR(image, 60, 12, QColor(0, 128, 0), 8);
    EXPECT_PIXEL(image, 60, 5, Q(kWhite));
}

TEST(MorphShapes, AClipLayerClipsByTheShapeAtItsRatio)
{
    MovieFixture fixture;
    fixture.Define(1, GrowingSquare());
    fixture.Define(2, RectShape(0, 0, 100, 100, Solid(kGreen)));
    swf::DisplayOp& mask = fixture.Place(0, 1, 1);
    mask.ratio = 65535;
    mask.clipDepth = 2;
    fixture.Place(0, 2, 2);
    const QImage image = fixture.Render();
    EXPECT_PIXEL(image, 70, 70, Q(kGreen));  // inside the end square
    EXPECT_PIXEL(image, 20, 20, Q(kWhite));  // inside the start square only
}

}  // namespace
}  // namespace glimmora::test
