// Lines as players draw them: caps, joins and the miter limit of
// DefineShape4 line styles, lines that keep their width when their shape is
// scaled, one-pixel hairlines, closing, and lines filled with a gradient.

#include "RenderFixture.h"

namespace glimmora::test {
namespace {

using Cap = swf::LineStyle::Cap;
using Join = swf::LineStyle::Join;

constexpr swf::Rgba kBlack{0, 0, 0, 255};

swf::LineStyle Line(double widthPx, Cap cap = Cap::Round, Join join = Join::Round)
{
    swf::LineStyle line;
    line.width = uint16_t(Px(widthPx));
    line.color = kBlack;
    line.startCap = line.endCap = cap;
    line.join = join;
    return line;
}

// A shape of one line through `points` (pixels), open unless its last point
// is its first.
swf::Shape Polyline(const swf::LineStyle& line, const std::vector<std::pair<double, double>>& points)
{
    swf::Shape shape;
    shape.version = 4;
    shape.lineStyles = {line};
    swf::ShapeRecord start;
    start.moveTo = std::make_pair(Px(points.front().first), Px(points.front().second));
    start.lineStyle = 1;
    shape.records.push_back(start);
    for (size_t i = 1; i < points.size(); ++i) {
        swf::ShapeRecord edge;
        edge.kind = swf::ShapeRecord::Kind::Line;
        edge.toX = Px(points[i].first);
        edge.toY = Px(points[i].second);
        shape.records.push_back(edge);
    }
    return shape;
}

QImage RenderShape(const swf::Shape& shape, swf::Matrix matrix = {})
{
    MovieFixture fixture;
    fixture.Define(1, shape);
    fixture.Place(0, 1, 1, matrix);
    return fixture.Render();
}

struct Probe {
    int x, y;
    bool covered;
};

void ExpectProbes(const QImage& image, const std::vector<Probe>& probes)
{
    for (const Probe& p : probes) EXPECT_PIXEL_NEAR(image, p.x, p.y, p.covered ? Q(kBlack) : Q(kWhite), 40);
}

TEST(Strokes, CapsEndTheLineAsTheirStyleSays)
{
    // A 20 px line from (20, 50) to (80, 50): a round cap reaches 10 px past
    // the end in every direction, a square one covers the square around it.
    struct Case {
        Cap cap;
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        {Cap::Round, {{85, 50, true}, {88, 58, false}, {14, 50, true}}},
        {Cap::None, {{82, 50, false}, {77, 50, true}, {17, 50, false}}},
        {Cap::Square, {{85, 50, true}, {88, 58, true}, {12, 42, true}, {92, 50, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.cap));
        ExpectProbes(RenderShape(Polyline(Line(20, c.cap), {{20, 50}, {80, 50}})), c.probes);
    }
}

TEST(Strokes, JoinsRoundBevelOrMiterTheCorner)
{
    // A 20 px line turning right-angled at (70, 70): the outer corner of the
    // miter is (80, 80), the bevel cuts along x + y = 150, the round join is
    // the 10 px circle round the corner.
    struct Case {
        Join join;
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        {Join::Round, {{76, 76, true}, {78, 78, false}}},
        {Join::Bevel, {{73, 73, true}, {76, 76, false}}},
        {Join::Miter, {{76, 76, true}, {78, 78, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.join));
        ExpectProbes(RenderShape(Polyline(Line(20, Cap::None, c.join), {{20, 70}, {70, 70}, {70, 20}})), c.probes);
    }
}

TEST(Strokes, MiterLimitCutsOffSharpCornersAtThatManyWidths)
{
    // A 10 px line making a sharp V with its point at (50.5, 70): the miter
    // reaches 20.6 px below the point. The limit, in line widths measured from
    // the point, cuts it at 10, 15 or (beyond the tip) 50 px.
    struct Case {
        double limit;
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        {1, {{50, 78, true}, {50, 81, false}, {50, 87, false}}},
        {1.5, {{50, 83, true}, {50, 86, false}}},
        {5, {{50, 83, true}, {50, 87, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.limit);
        swf::LineStyle line = Line(10, Cap::None, Join::Miter);
        line.miterLimit = c.limit;
        ExpectProbes(RenderShape(Polyline(line, {{35.5, 10}, {50.5, 70}, {65.5, 10}})), c.probes);
    }
}

TEST(Strokes, LinesThatKeepTheirWidthIgnoreTheShapesScale)
{
    // A 2 px horizontal line at y = 50, its shape scaled; its thickness is
    // vertical. Normally it scales with the shape; with both flags it stays
    // 2 px; with one it scales with the other axis alone.
    struct Case {
        const char* name;
        double scaleX, scaleY;
        bool noHScale, noVScale;
        bool thick;  // 8 px rather than 2
    };
    const Case cases[] = {
        {"scaled with its shape", 4, 4, false, false, true},
        {"keeps its width", 4, 4, true, true, false},
        {"scales with the horizontal scale only", 1, 4, false, true, false},
        {"scales with the vertical scale only", 1, 4, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        swf::LineStyle line = Line(2, Cap::None);
        line.noHScale = c.noHScale;
        line.noVScale = c.noVScale;
        // The shape's line runs from (0, 0) to (80 / scaleX, 0) and lands on
        // (10, 50.5) to (90, 50.5).
        const QImage image =
            RenderShape(Polyline(line, {{0, 0}, {80 / c.scaleX, 0}}), Affine(c.scaleX, 0, 0, c.scaleY, 10, 50.5));
        ExpectProbes(image, {{50, 50, true}, {50, 53, c.thick}, {50, 47, c.thick}, {50, 56, false}});
    }
}

TEST(Strokes, HairlinesAreOnePixelHoweverTheShapeIsStretched)
{
    for (uint16_t width : {0, 1}) {
        SCOPED_TRACE(width);
        swf::LineStyle line = Line(0, Cap::None);
        line.width = width;
        // Stretched ten times vertically: still one pixel, on row 50.
        const QImage image = RenderShape(Polyline(line, {{0, 0}, {80, 0}}), Affine(1, 0, 0, 10, 10, 50.5));
        ExpectProbes(image, {{50, 50, true}, {50, 51, false}, {50, 49, false}});
    }
}

TEST(Strokes, ALineEndingWhereItStartsIsJoinedUnlessNotClosed)
{
    // A square outline from (20, 20) round and back, 10 px wide, mitred, no
    // caps: closed, its first corner is mitred like the others; left open
    // (NoClose), the two flat ends leave that corner's outer square empty.
    for (bool noClose : {false, true}) {
        SCOPED_TRACE(noClose);
        swf::LineStyle line = Line(10, Cap::None, Join::Miter);
        line.noClose = noClose;
        const QImage image = RenderShape(Polyline(line, {{20, 20}, {80, 20}, {80, 80}, {20, 80}, {20, 20}}));
        ExpectProbes(image, {{16, 16, !noClose}, {83, 16, true}, {16, 83, true}});
    }
}

TEST(Strokes, ALineFilledWithAGradientShadesAlongIt)
{
    swf::LineStyle line = Line(20, Cap::None);
    swf::FillStyle gradient;
    gradient.type = swf::FillStyle::Type::Linear;
    gradient.matrix = Affine(2000.0 / 32768, 0, 0, 2000.0 / 32768, 50, 0);
    gradient.stops = {{0, kRed}, {255, kBlue}};
    line.fill = gradient;
    const QImage image = RenderShape(Polyline(line, {{0, 50}, {100, 50}}));
    EXPECT_PIXEL_NEAR(image, 2, 50, Q(kRed), 12);
    EXPECT_PIXEL_NEAR(image, 50, 50, QColor(128, 0, 127), 8);
    EXPECT_PIXEL_NEAR(image, 97, 50, Q(kBlue), 12);
    EXPECT_PIXEL(image, 50, 62, Q(kWhite));
}

}  // namespace
}  // namespace glimmora::test
