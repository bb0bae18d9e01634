// Gradient fills as players draw them: colour and alpha mixed separately,
// equal and out-of-order ratios, spread modes and focal points.

#include "RenderFixture.h"

namespace glimmora::test {
namespace {

constexpr swf::Rgba kClearBlue{0, 0, 255, 0};
constexpr swf::Rgba kBlack{0, 0, 0, 255};

// A linear gradient across a 100 x 100 box: ratio 0 at x = 0, 255 at x = 100,
// or over [0, widthPx] when narrower (then spread decides what follows).
swf::FillStyle LinearAcross(std::vector<swf::GradientStop> stops, double widthPx = 100)
{
    swf::FillStyle fill;
    fill.type = swf::FillStyle::Type::Linear;
    fill.matrix = Affine(widthPx * 20 / 32768, 0, 0, widthPx * 20 / 32768, widthPx / 2, 0);
    fill.stops = std::move(stops);
    return fill;
}

QImage RenderBox(const swf::FillStyle& fill)
{
    MovieFixture fixture;
    fixture.Define(1, RectShape(0, 0, 100, 100, fill));
    fixture.Place(0, 1, 1);
    return fixture.Render();
}

TEST(Gradients, ColourAndAlphaMixSeparately)
{
    // Half way from opaque red to clear blue: a half-clear purple over white,
    // not the half-clear red that mixing premultiplied colours gives.
    const QImage image = RenderBox(LinearAcross({{0, kRed}, {255, kClearBlue}}));
    EXPECT_PIXEL_NEAR(image, 50, 50, QColor(191, 129, 193), 6);
    EXPECT_PIXEL_NEAR(image, 25, 50, QColor(207, 65, 113), 6);
    EXPECT_PIXEL_NEAR(image, 0, 50, Q(kRed), 6);
}

TEST(Gradients, EqualAndOutOfOrderRatios)
{
    struct Case {
        const char* name;
        std::vector<swf::GradientStop> stops;
        std::vector<std::pair<int, QColor>> pixels;  // x on the middle row
    };
    const QColor purple(128, 0, 127);
    const std::vector<Case> cases = {
        {"equal ratios in the middle make a step", {{0, kRed}, {128, kRed}, {128, kBlue}, {255, kBlue}},
         {{45, Q(kRed)}, {55, Q(kBlue)}}},
        {"equal ratios at the start: the second colour from there on", {{0, kRed}, {0, kGreen}, {255, kBlue}},
         {{1, Q(kGreen)}, {50, QColor(0, 128, 127)}}},
        {"equal ratios at the end: the first colour up to there", {{0, kRed}, {255, kBlue}, {255, kGreen}},
         {{50, purple}, {97, Q(kBlue)}}},
        {"a stop out of order is reached only after the ones before it",
         {{0, kRed}, {255, kBlue}, {128, kGreen}}, {{50, purple}, {97, Q(kBlue)}}},
        // Red to black up to 200, then green (from 100) to blue.
        {"a stop out of order in the middle", {{0, kRed}, {200, kBlack}, {100, kGreen}, {255, kBlue}},
         {{39, QColor(128, 0, 0)}, {90, QColor(0, 40, 215)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = RenderBox(LinearAcross(c.stops));
        for (const auto& [x, color] : c.pixels) EXPECT_PIXEL_NEAR(image, x, 50, color, 10);
    }
}

TEST(Gradients, SpreadPadsReflectsOrRepeats)
{
    // Red to blue over the box's left half; at x = 62 the gradient is 1.25 of
    // its length along.
    struct Case {
        uint8_t spread;
        QColor at62;
    };
    for (const Case& c : {Case{0, Q(kBlue)}, Case{1, QColor(64, 0, 191)}, Case{2, QColor(191, 0, 64)}}) {
        SCOPED_TRACE(int(c.spread));
        swf::FillStyle fill = LinearAcross({{0, kRed}, {255, kBlue}}, 50);
        fill.spread = c.spread;
        const QImage image = RenderBox(fill);
        EXPECT_PIXEL_NEAR(image, 62, 50, c.at62, 10);
        EXPECT_PIXEL_NEAR(image, 12, 50, QColor(191, 0, 64), 10);
    }
}

TEST(Gradients, FocalPointMovesTheCentreColour)
{
    // A radial gradient of radius 50 px round the box's centre, red at the
    // focal point and blue on the circle. With the focal point half way to
    // the right edge, x = 25 is two thirds of the way from it to the circle.
    struct Case {
        swf::FillStyle::Type type;
        double focalPoint;
        QColor at75, at25;
    };
    for (const Case& c : {Case{swf::FillStyle::Type::Radial, 0, QColor(128, 0, 127), QColor(128, 0, 127)},
                          Case{swf::FillStyle::Type::Focal, 0.5, Q(kRed), QColor(85, 0, 170)},
                          Case{swf::FillStyle::Type::Focal, -0.5, QColor(85, 0, 170), Q(kRed)}}) {
        SCOPED_TRACE(c.focalPoint);
        swf::FillStyle fill;
        fill.type = c.type;
        fill.focalPoint = c.focalPoint;
        fill.matrix = Affine(1000.0 / 16384, 0, 0, 1000.0 / 16384, 50, 50);
        fill.stops = {{0, kRed}, {255, kBlue}};
        const QImage image = RenderBox(fill);
        EXPECT_PIXEL_NEAR(image, 75, 50, c.at75, 12);
        EXPECT_PIXEL_NEAR(image, 25, 50, c.at25, 12);
    }
}

}  // namespace
}  // namespace glimmora::test
