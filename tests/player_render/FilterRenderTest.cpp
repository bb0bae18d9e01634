// Filters: each applied to a plain square, at pixels worked out by hand.
// Sizes are in stage pixels and grow with the view.

#include "RenderFixture.h"

#include <cmath>
#include <numbers>

namespace glimmora::test {
namespace {

using Type = swf::Filter::Type;

swf::Filter Make(Type type, double blur = 0, int passes = 1)
{
    swf::Filter filter;
    filter.type = type;
    filter.blurX = filter.blurY = blur;
    filter.passes = uint8_t(passes);
    return filter;
}

// A red square 20 px wide at (20, 20) with `filters`, on white.
QImage Filtered(const swf::FilterList& filters, QSize size = {}, double side = 20)
{
    MovieFixture fixture;
    fixture.Define(1, RectShape(20, 20, side, side, Solid(kRed)));
    fixture.Place(0, 1, 1).filters = filters;
    return fixture.Render(0, size);
}

int Grey(const QImage& image, int x, int y) { return Pixel(image, x, y).green(); }

// A blur box 10 px wide: the pixels either side of the edge are 45% and 55%
// covered, coverage ends 5 px out; a second pass spreads 5 px further.
TEST(Filters, BlurIsABoxAsWideAsItsSizeRepeatedForItsPasses)
{
    const auto blurred = [](int passes, QSize size = {}) {
        MovieFixture fixture;
        fixture.Define(1, RectShape(40, 20, 20, 60, Solid({0, 0, 0, 255})));
        fixture.Place(0, 1, 1).filters = swf::FilterList{Make(Type::Blur, 10, passes)};
        return fixture.Render(0, size);
    };
    const QImage once = blurred(1);
    EXPECT_NEAR(Grey(once, 39, 50), 140, 2);
    EXPECT_NEAR(Grey(once, 40, 50), 115, 2);
    EXPECT_NEAR(Grey(once, 35, 50), 242, 2);
    EXPECT_EQ(Grey(once, 34, 50), 255);
    EXPECT_EQ(Grey(once, 50, 50), 0);

    EXPECT_NEAR(Grey(blurred(2), 33, 50), 239, 2);
    EXPECT_EQ(Grey(blurred(0), 39, 50), 255);  // no passes, no blur

    // Twice the view: the box is 20 device pixels wide.
    const QImage large = blurred(1, QSize(200, 200));
    EXPECT_NEAR(Grey(large, 71, 100), 236, 2);
    EXPECT_EQ(Grey(large, 68, 100), 255);
}

// A blue shadow 10 px to the right, unblurred.
TEST(Filters, DropShadowFallsAtItsAngleAndDistance)
{
    swf::Filter shadow = Make(Type::DropShadow);
    shadow.color = kBlue;
    shadow.distance = 10;
    struct Case {
        const char* name;
        bool knockout, composite;
        swf::Rgba inObject, inShadow;
    };
    for (const Case& c : {Case{"under the object", false, true, kRed, kBlue},
                          Case{"knocked out", true, true, kWhite, kBlue},
                          Case{"object hidden", false, false, kBlue, kBlue}}) {
        SCOPED_TRACE(c.name);
        shadow.knockout = c.knockout;
        shadow.compositeSource = c.composite;
        const QImage image = Filtered({shadow});
        EXPECT_PIXEL(image, 35, 30, Q(c.inObject));
        EXPECT_PIXEL(image, 45, 30, Q(c.inShadow));
        EXPECT_PIXEL(image, 25, 30, Q(c.composite && !c.knockout ? kRed : kWhite));
        EXPECT_PIXEL(image, 55, 30, Q(kWhite));
    }
    // Pointing down (a quarter turn clockwise) and twice the view.
    shadow.knockout = false;
    shadow.compositeSource = true;
    shadow.angle = std::numbers::pi / 2;
    const QImage large = Filtered({shadow}, QSize(200, 200));
    EXPECT_PIXEL(large, 60, 90, Q(kBlue));
    EXPECT_PIXEL(large, 90, 60, Q(kWhite));
}

TEST(Filters, InnerShadowShowsInsideTheObjectOnly)
{
    swf::Filter shadow = Make(Type::DropShadow);
    shadow.color = kBlue;
    shadow.distance = 5;
    shadow.inner = true;
    const QImage image = Filtered({shadow});
    EXPECT_PIXEL(image, 22, 30, Q(kBlue));  // the shadow cast by the left edge
    EXPECT_PIXEL(image, 30, 30, Q(kRed));
    EXPECT_PIXEL(image, 10, 30, Q(kWhite));
    EXPECT_PIXEL(image, 42, 30, Q(kWhite));
}

// Glow: blurred alpha (10 px box) times the strength, in the glow's colour.
TEST(Filters, GlowSurroundsTheObjectOrFillsItsEdgeFromInside)
{
    swf::Filter glow = Make(Type::Glow, 10);
    glow.color = kGreen;
    glow.strength = 2;
    glow.distance = 50;  // not a field of glows: no offset
    QImage image = Filtered({glow});
    EXPECT_PIXEL(image, 42, 30, QColor(127, 255, 127));  // 25% covered, doubled
    EXPECT_PIXEL(image, 17, 30, QColor(127, 255, 127));
    EXPECT_PIXEL(image, 46, 30, Q(kWhite));
    EXPECT_PIXEL(image, 30, 30, Q(kRed));

    glow.inner = true;
    image = Filtered({glow});
    EXPECT_PIXEL(image, 21, 30, QColor(76, 178, 0));  // 35% uncovered, doubled
    EXPECT_PIXEL(image, 30, 30, Q(kRed));
    EXPECT_PIXEL(image, 17, 30, Q(kWhite));
}

// Light from the top left (45 degrees, 3 px): the highlight along the top and
// left edges inside, the shadow along the bottom and right.
TEST(Filters, BevelLightsOneSideAndShadesTheOther)
{
    swf::Filter bevel = Make(Type::Bevel);
    bevel.highlight = kWhite;
    bevel.color = {0, 0, 0, 255};
    bevel.angle = std::numbers::pi / 4;
    bevel.distance = 3;
    bevel.inner = true;
    const QImage image = Filtered({bevel}, {}, 40);
    EXPECT_PIXEL(image, 21, 40, Q(kWhite));
    EXPECT_PIXEL(image, 40, 21, Q(kWhite));
    EXPECT_PIXEL(image, 58, 40, QColor(0, 0, 0));
    EXPECT_PIXEL(image, 40, 58, QColor(0, 0, 0));
    EXPECT_PIXEL(image, 40, 40, Q(kRed));
    EXPECT_PIXEL(image, 18, 40, Q(kWhite));  // outside: the white stage

    bevel.knockout = true;
    const QImage knocked = Filtered({bevel}, {}, 40);
    EXPECT_PIXEL(knocked, 58, 40, QColor(0, 0, 0));
    EXPECT_PIXEL(knocked, 40, 40, Q(kWhite));
}

// The gradient's colour at the blurred alpha: a quarter covered takes the
// colour a quarter of the way along (clear to green).
TEST(Filters, GradientGlowAndBevelTakeTheirColoursFromTheGradient)
{
    swf::Filter glow = Make(Type::GradientGlow, 10);
    glow.gradientColors = {{0, 255, 0, 0}, {0, 255, 0, 255}};
    glow.gradientRatios = {0, 255};
    QImage image = Filtered({glow});
    EXPECT_PIXEL(image, 42, 30, QColor(191, 255, 191));
    EXPECT_PIXEL(image, 30, 30, Q(kRed));

    // Highlight (ratio 0) blue, flat middle clear, shadow (ratio 255) black.
    swf::Filter bevel = Make(Type::GradientBevel);
    bevel.gradientColors = {kBlue, {0, 0, 0, 0}, {0, 0, 0, 255}};
    bevel.gradientRatios = {0, 128, 255};
    bevel.angle = std::numbers::pi / 4;
    bevel.distance = 3;
    bevel.inner = true;
    image = Filtered({bevel}, {}, 40);
    EXPECT_PIXEL(image, 21, 40, Q(kBlue));
    EXPECT_PIXEL(image, 58, 40, QColor(0, 0, 0));
    EXPECT_PIXEL(image, 40, 40, Q(kRed));
}

TEST(Filters, ColourMatrixAndConvolutionRecolourEachPixel)
{
    // Red and blue swapped, 100 added to green.
    swf::Filter matrix = Make(Type::ColorMatrix);
    matrix.colorMatrix = {0, 0, 1, 0, 0, 0, 1, 0, 0, 100, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0};
    QImage image = Filtered({matrix});
    EXPECT_PIXEL(image, 30, 30, QColor(0, 100, 255));
    EXPECT_PIXEL(image, 10, 10, Q(kWhite));

    // The pixel itself, halved, plus 20; the alpha kept.
    swf::Filter convolution = Make(Type::Convolution);
    convolution.columns = convolution.rows = 3;
    convolution.weights = {0, 0, 0, 0, 1, 0, 0, 0, 0};
    convolution.divisor = 2;
    convolution.bias = 20;
    image = Filtered({convolution});
    EXPECT_PIXEL(image, 30, 30, QColor(148, 20, 20));
    EXPECT_PIXEL(image, 10, 10, Q(kWhite));

    // Filters apply in order: the blue of the matrix is then halved.
    image = Filtered({matrix, convolution});
    EXPECT_PIXEL(image, 30, 30, QColor(20, 70, 148));
}

}  // namespace
}  // namespace glimmora::test
