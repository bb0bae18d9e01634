// Shapes drawn by the frame renderer: solid fills, alpha, transforms, fill
// sides, fill rules, layers, gradients and strokes.

#include "RenderFixture.h"

#include <array>

namespace glimmora::test {
namespace {

using Kind = swf::ShapeRecord::Kind;

struct PixelCase {
    int x, y;
    swf::Rgba expected;
};

TEST(SolidShape, RedSquareCoversExactlyItsPixels)
{
    MovieFixture fixture;
    fixture.Define(1, RectShape(0, 0, 20, 20, Solid(kRed)));
    fixture.Place(0, 1, 1, Translate(10, 10));
    const QImage image = fixture.Render();
    ASSERT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
    for (const PixelCase& c : std::vector<PixelCase>{{10, 10, kRed}, {20, 20, kRed}, {29, 29, kRed},
                                                     {9, 20, kWhite}, {30, 20, kWhite},
                                                     {20, 30, kWhite}, {20, 9, kWhite},
                                                     {60, 60, kWhite}}) {
        EXPECT_PIXEL(image, c.x, c.y, Q(c.expected));
    }
}

TEST(SolidShape, HalfAlphaBlendsWithTheBackground)
{
    struct Case {
        const char* name;
        swf::Rgba fill;
        swf::ColorTransform cx;
    };
    swf::ColorTransform halfMult;
    halfMult.multA = 128;
    swf::ColorTransform minusAdd;
    minusAdd.addA = -128;
    for (const Case& c : {Case{"fill alpha", {255, 0, 0, 128}, {}},
                          Case{"alpha multiplier", kRed, halfMult},
                          Case{"alpha add term", kRed, minusAdd}}) {
        SCOPED_TRACE(c.name);
        MovieFixture fixture;
        fixture.Define(1, RectShape(0, 0, 20, 20, Solid(c.fill)));
        fixture.Place(0, 1, 1, Translate(10, 10)).colorTransform = c.cx;
        const QImage image = fixture.Render();
        EXPECT_PIXEL(image, 20, 20, QColor(255, 127, 127));
        EXPECT_PIXEL(image, 50, 50, Q(kWhite));
    }
}

TEST(SolidShape, MatrixRotatesAndScales)
{
    struct Case {
        const char* name;
        swf::Matrix matrix;
        std::vector<std::pair<int, int>> inside, outside;
    };
    // A 40x20 px box at the origin.
    const std::vector<Case> cases = {
        // 90 degrees clockwise: x' = -y + 50, y' = x + 10, so x 30..50, y 10..50.
        {"rotated 90", Affine(0, 1, -1, 0, 50, 10), {{40, 45}, {31, 11}, {49, 49}},
         {{60, 15}, {25, 30}, {40, 52}}},
        // Half as wide, twice as high: x 10..30, y 10..50.
        {"scaled", Affine(0.5, 0, 0, 2, 10, 10), {{25, 45}, {11, 11}}, {{40, 15}, {32, 20}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MovieFixture fixture;
        fixture.Define(1, RectShape(0, 0, 40, 20, Solid(kRed)));
        fixture.Place(0, 1, 1, c.matrix);
        const QImage image = fixture.Render();
        for (auto [x, y] : c.inside) EXPECT_PIXEL(image, x, y, Q(kRed));
        for (auto [x, y] : c.outside) EXPECT_PIXEL(image, x, y, Q(kWhite));
    }
}

TEST(FillSides, InnerContourWithFillOnItsLeftIsAHole)
{
    swf::Shape shape;
    shape.version = 3;
    shape.fillStyles = {Solid(kRed)};
    AddContour(shape.records, {{10, 10}, {70, 10}, {70, 70}, {10, 70}}, 0, 1);
    // Clockwise as well, but with the fill on its left: outside the small square.
    AddContour(shape.records, {{30, 30}, {50, 30}, {50, 50}, {30, 50}}, 1, 0);
    MovieFixture fixture;
    fixture.Define(1, shape);
    fixture.Place(0, 1, 1);
    const QImage image = fixture.Render();
    EXPECT_PIXEL(image, 40, 40, Q(kWhite));
    EXPECT_PIXEL(image, 20, 20, Q(kRed));
    EXPECT_PIXEL(image, 60, 40, Q(kRed));
    EXPECT_PIXEL(image, 80, 40, Q(kWhite));
}

// Two squares sharing the edge x = 20: the left one red, the right one blue
// (see TwoSquares: whole only when the runs of each square are joined).
TEST(FillSides, TwoFillsShareOneEdge)
{
    const swf::Shape shape = TwoSquares(Solid(kRed), Solid(kBlue));
    MovieFixture fixture;
    fixture.Define(1, shape);
    fixture.Place(0, 1, 1, Translate(10, 10));
    const QImage image = fixture.Render();
    for (const PixelCase& c : std::vector<PixelCase>{{25, 12, kRed}, {12, 27, kRed}, {27, 27, kRed},
                                                     {32, 12, kBlue}, {48, 27, kBlue},
                                                     {29, 20, kRed}, {30, 20, kBlue},
                                                     {51, 20, kWhite}, {20, 31, kWhite}}) {
        EXPECT_PIXEL(image, c.x, c.y, Q(c.expected));
    }
}

// One triangle recorded as three separate runs, the middle one backwards
// with the triangle on its left (fill0). Only reversing that run lets the
// three join into one contour; closed one by one they enclose nothing.
TEST(FillSides, RunsOfOneRegionJoinWhenFill0IsReversed)
{
    swf::Shape shape;
    shape.version = 3;
    shape.fillStyles = {Solid(kRed)};
    auto run = [&](std::pair<double, double> from, std::pair<double, double> to, uint32_t f0, uint32_t f1) {
        swf::ShapeRecord style;
        style.moveTo = std::make_pair(Px(from.first), Px(from.second));
        style.fillStyle0 = f0;
        style.fillStyle1 = f1;
        shape.records.push_back(style);
        swf::ShapeRecord edge;
        edge.kind = Kind::Line;
        edge.toX = Px(to.first);
        edge.toY = Px(to.second);
        shape.records.push_back(edge);
    };
    run({10, 10}, {50, 10}, 0, 1);
    run({50, 50}, {50, 10}, 1, 0);
    run({50, 50}, {10, 10}, 0, 1);
    MovieFixture fixture;
    fixture.Define(1, shape);
    fixture.Place(0, 1, 1);
    const QImage image = fixture.Render();
    EXPECT_PIXEL(image, 40, 20, Q(kRed));
    EXPECT_PIXEL(image, 45, 40, Q(kRed));
    EXPECT_PIXEL(image, 20, 40, Q(kWhite));
}

// A diamond of curves bulging outward, recorded counter-clockwise with the
// inside on the left (fill0): reversed, each curve keeps its control point.
TEST(FillSides, ReversedCurvesKeepTheirBulge)
{
    swf::Shape shape;
    shape.version = 3;
    shape.fillStyles = {Solid(kRed)};
    swf::ShapeRecord start;
    start.moveTo = std::make_pair(Px(50), Px(10));
    start.fillStyle0 = 1;
    shape.records.push_back(start);
    // Counter-clockwise on screen: top, left, bottom, right; controls at the box corners.
    const std::vector<std::array<double, 4>> curves = {
        {10, 10, 10, 50}, {10, 90, 50, 90}, {90, 90, 90, 50}, {90, 10, 50, 10}};
    for (const auto& c : curves) {
        swf::ShapeRecord curve;
        curve.kind = Kind::Curve;
        curve.controlX = Px(c[0]);
        curve.controlY = Px(c[1]);
        curve.toX = Px(c[2]);
        curve.toY = Px(c[3]);
        shape.records.push_back(curve);
    }
    MovieFixture fixture;
    fixture.Define(1, shape);
    fixture.Place(0, 1, 1);
    const QImage image = fixture.Render();
    EXPECT_PIXEL(image, 50, 50, Q(kRed));
    // (27, 27) lies outside the straight diamond (x + y = 60) but inside the
    // curves, which pass through (20, 20).
    EXPECT_PIXEL(image, 27, 27, Q(kRed));
    EXPECT_PIXEL(image, 72, 72, Q(kRed));
    EXPECT_PIXEL(image, 15, 15, Q(kWhite));
}

TEST(FillSides, StyleIndexPastTheArrayFillsNothing)
{
    swf::Shape shape;
    shape.version = 3;
    shape.fillStyles = {Solid(kRed)};
    AddContour(shape.records, {{10, 10}, {40, 10}, {40, 40}, {10, 40}}, 0, 3, 2);
    AddContour(shape.records, {{50, 50}, {80, 50}, {80, 80}, {50, 80}}, 0, 1);
    MovieFixture fixture;
    fixture.Define(1, shape);
    fixture.Place(0, 1, 1);
    const QImage image = fixture.Render();
    EXPECT_PIXEL(image, 25, 25, Q(kWhite));
    EXPECT_PIXEL(image, 10, 25, Q(kWhite));
    EXPECT_PIXEL(image, 65, 65, Q(kRed));
}

TEST(FillRule, OverlapIsEmptyUnlessNonZeroWinding)
{
    for (bool nonZero : {false, true}) {
        SCOPED_TRACE(nonZero ? "non-zero" : "even-odd");
        swf::Shape shape;
        shape.version = 4;
        shape.nonZeroWinding = nonZero;
        shape.fillStyles = {Solid(kRed)};
        AddContour(shape.records, {{10, 10}, {50, 10}, {50, 50}, {10, 50}}, 0, 1);
        AddContour(shape.records, {{30, 30}, {70, 30}, {70, 70}, {30, 70}}, 0, 1);
        MovieFixture fixture;
        fixture.Define(1, shape);
        fixture.Place(0, 1, 1);
        const QImage image = fixture.Render();
        EXPECT_PIXEL(image, 20, 20, Q(kRed));
        EXPECT_PIXEL(image, 60, 60, Q(kRed));
        EXPECT_PIXEL(image, 40, 40, Q(nonZero ? kRed : kWhite));
    }
}

TEST(ShapeLayers, NewStylesDrawAboveEarlierLayers)
{
    swf::Shape shape;
    shape.version = 3;
    shape.fillStyles = {Solid(kRed)};
    AddContour(shape.records, {{10, 10}, {50, 10}, {50, 50}, {10, 50}}, 0, 1);
    swf::ShapeRecord next;
    next.newStyles = std::make_pair(std::vector<swf::FillStyle>{Solid(kBlue)},
                                    std::vector<swf::LineStyle>{});
    shape.records.push_back(next);
    AddContour(shape.records, {{30, 30}, {70, 30}, {70, 70}, {30, 70}}, 0, 1);
    MovieFixture fixture;
    fixture.Define(1, shape);
    fixture.Place(0, 1, 1);
    const QImage image = fixture.Render();
    EXPECT_PIXEL(image, 20, 20, Q(kRed));
    EXPECT_PIXEL(image, 40, 40, Q(kBlue));
    EXPECT_PIXEL(image, 60, 60, Q(kBlue));
}

// Flash transforms each fill colour: overlapping fills of one shape show
// through each other instead of fading as one group.
TEST(ColorTransformPerFill, OverlappingFillsBlendWithEachOther)
{
    swf::Shape shape;
    shape.version = 3;
    shape.fillStyles = {Solid(kRed), Solid(kBlue)};
    AddContour(shape.records, {{10, 10}, {40, 10}, {40, 40}, {10, 40}}, 0, 1);
    AddContour(shape.records, {{25, 25}, {55, 25}, {55, 55}, {25, 55}}, 0, 2);
    MovieFixture fixture;
    fixture.Define(1, shape);
    swf::ColorTransform half;
    half.multA = 128;
    fixture.Place(0, 1, 1).colorTransform = half;
    const QImage image = fixture.Render();
    EXPECT_PIXEL(image, 15, 15, QColor(255, 127, 127));
    EXPECT_PIXEL(image, 50, 50, QColor(127, 127, 255));
    EXPECT_PIXEL(image, 30, 30, QColor(128, 64, 191));
}

TEST(Gradients, EndsShowTheirStopColours)
{
    struct Case {
        const char* name;
        swf::FillStyle::Type type;
        swf::Matrix matrix;
        std::vector<PixelCase> pixels;
    };
    const std::vector<Case> cases = {
        // Ratio 0 at the left edge, 255 at the right edge of the 100 px box.
        {"linear", swf::FillStyle::Type::Linear, Affine(2000.0 / 32768, 0, 0, 2000.0 / 32768, 50, 0),
         {{0, 50, kRed}, {99, 50, kBlue}}},
        // Centre red, radius 50 px blue, padded beyond.
        {"radial", swf::FillStyle::Type::Radial, Affine(1000.0 / 16384, 0, 0, 1000.0 / 16384, 50, 50),
         {{50, 50, kRed}, {2, 2, kBlue}, {97, 97, kBlue}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        swf::FillStyle fill;
        fill.type = c.type;
        fill.matrix = c.matrix;
        fill.stops = {{0, kRed}, {255, kBlue}};
        MovieFixture fixture;
        fixture.Define(1, RectShape(0, 0, 100, 100, fill));
        fixture.Place(0, 1, 1);
        const QImage image = fixture.Render();
        for (const PixelCase& p : c.pixels) EXPECT_PIXEL_NEAR(image, p.x, p.y, Q(p.expected), 8);
        if (c.type == swf::FillStyle::Type::Linear) {
            EXPECT_PIXEL_NEAR(image, 50, 50, QColor(127, 0, 128), 6);
        }
    }
}

TEST(Gradients, InterpolationInRgbOrLinearLight)
{
    struct Case {
        uint8_t interpolation;
        int middle;  // the grey half way from black to white
    };
    for (const Case& c : {Case{0, 128}, Case{1, 188}}) {
        SCOPED_TRACE(int(c.interpolation));
        swf::FillStyle fill;
        fill.type = swf::FillStyle::Type::Linear;
        fill.interpolation = c.interpolation;
        fill.matrix = Affine(2000.0 / 32768, 0, 0, 2000.0 / 32768, 50, 0);
        fill.stops = {{0, {0, 0, 0, 255}}, {255, kWhite}};
        MovieFixture fixture;
        fixture.Define(1, RectShape(0, 0, 100, 100, fill));
        fixture.Place(0, 1, 1);
        const QImage image = fixture.Render();
        EXPECT_PIXEL_NEAR(image, 50, 50, QColor(c.middle, c.middle, c.middle), 6);
        EXPECT_PIXEL_NEAR(image, 0, 50, QColor(0, 0, 0), 6);
        EXPECT_PIXEL_NEAR(image, 99, 50, Q(kWhite), 6);
    }
}

TEST(Strokes, HairlineIsAtLeastOnePixelWide)
{
    swf::Shape shape;
    shape.version = 3;
    swf::LineStyle hairline;
    hairline.width = 1;  // one twip
    hairline.color = {0, 0, 0, 255};
    shape.lineStyles = {hairline};
    swf::ShapeRecord start;
    start.moveTo = std::make_pair(Px(10), Px(20.5));
    start.lineStyle = 1;
    shape.records.push_back(start);
    swf::ShapeRecord edge;
    edge.kind = Kind::Line;
    edge.toX = Px(90);
    edge.toY = Px(20.5);
    shape.records.push_back(edge);
    MovieFixture fixture;
    fixture.Define(1, shape);
    fixture.Place(0, 1, 1);
    const QImage image = fixture.Render();
    EXPECT_PIXEL_NEAR(image, 50, 20, QColor(0, 0, 0), 20);
    EXPECT_PIXEL(image, 50, 23, Q(kWhite));
}

}  // namespace
}  // namespace glimmora::test
