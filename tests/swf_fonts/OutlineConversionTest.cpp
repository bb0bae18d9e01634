#include "swf/fonts/OutlineConversion.h"
#include "swf/fonts/QuadraticApproximation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace glimmora::swf {
namespace {

// A one-contour FreeType outline built from points and tags.
struct TestOutline {
    std::vector<FT_Vector> points;
    std::vector<char> tags;
    std::vector<short> ends;
    FT_Outline Get() {
        FT_Outline o{};
        o.n_points = short(points.size());
        o.n_contours = short(ends.size());
        o.points = points.data();
        o.tags = tags.data();
        o.contours = ends.data();
        return o;
    }
};

TEST(OutlineConversionTest, ConsecutiveOffCurvePointsGetImpliedMidpoints) {
    // On (0,0), off (100,200), off (300,200), on (400,0): two quadratics meeting at (200,200).
    TestOutline t{{{0, 0}, {100, 200}, {300, 200}, {400, 0}},
                  {FT_CURVE_TAG_ON, FT_CURVE_TAG_CONIC, FT_CURVE_TAG_CONIC, FT_CURVE_TAG_ON},
                  {3}};
    FT_Outline outline = t.Get();
    GlyphOutline g = ConvertOutline(outline, 1.0);
    ASSERT_EQ(g.contours.size(), 1u);
    const Contour& c = g.contours[0];
    EXPECT_EQ(c.start, (OutlinePoint{0, 0}));
    ASSERT_EQ(c.segments.size(), 3u);  // two curves and the closing line
    EXPECT_TRUE(c.segments[0].curved);
    EXPECT_EQ(c.segments[0].control, (OutlinePoint{100, -200}));
    EXPECT_EQ(c.segments[0].to, (OutlinePoint{200, -200}));
    EXPECT_EQ(c.segments[1].to, (OutlinePoint{400, 0}));
    EXPECT_FALSE(c.segments[2].curved);
    EXPECT_EQ(c.segments[2].to, c.start);
}

TEST(OutlineConversionTest, ScalesToTheEmAndFlipsY) {
    // A 2048-unit em square drawn as a box, scaled by 0.5.
    TestOutline t{{{0, 0}, {0, 1400}, {1000, 1400}, {1000, 0}},
                  {FT_CURVE_TAG_ON, FT_CURVE_TAG_ON, FT_CURVE_TAG_ON, FT_CURVE_TAG_ON},
                  {3}};
    FT_Outline outline = t.Get();
    GlyphOutline g = ConvertOutline(outline, 0.5);
    ASSERT_EQ(g.contours.size(), 1u);
    ASSERT_EQ(g.contours[0].segments.size(), 4u);
    EXPECT_EQ(g.contours[0].segments[0].to, (OutlinePoint{0, -700}));
    EXPECT_EQ(g.contours[0].segments[1].to, (OutlinePoint{500, -700}));
    EXPECT_EQ(g.contours[0].segments[3].to, g.contours[0].start);
}

TEST(OutlineConversionTest, CubicContourBecomesClosedQuadratics) {
    TestOutline t{{{0, 0}, {0, 552}, {448, 1000}, {1000, 1000}, {1000, 0}},
                  {FT_CURVE_TAG_ON, FT_CURVE_TAG_CUBIC, FT_CURVE_TAG_CUBIC, FT_CURVE_TAG_ON, FT_CURVE_TAG_ON},
                  {4}};
    FT_Outline outline = t.Get();
    GlyphOutline g = ConvertOutline(outline, 1.0);
    ASSERT_EQ(g.contours.size(), 1u);
    const Contour& c = g.contours[0];
    EXPECT_GT(c.segments.size(), 3u);
    EXPECT_EQ(c.segments.back().to, c.start);
    for (size_t i = 0; i + 2 < c.segments.size(); ++i) EXPECT_TRUE(c.segments[i].curved);
}

TEST(OutlineConversionTest, DegenerateContourIsDropped) {
    TestOutline t{{{5, 5}, {5, 5}, {5, 5}}, {FT_CURVE_TAG_ON, FT_CURVE_TAG_ON, FT_CURVE_TAG_ON}, {2}};
    FT_Outline outline = t.Get();
    EXPECT_TRUE(ConvertOutline(outline, 1.0).contours.empty());
}

PointF CubicAt(PointF p0, PointF c1, PointF c2, PointF p3, double t) {
    double u = 1 - t;
    return {u * u * u * p0.x + 3 * u * u * t * c1.x + 3 * u * t * t * c2.x + t * t * t * p3.x,
            u * u * u * p0.y + 3 * u * u * t * c1.y + 3 * u * t * t * c2.y + t * t * t * p3.y};
}

// Largest distance from sampled cubic points to the sampled quadratic chain.
double MaxDeviation(PointF p0, PointF c1, PointF c2, PointF p3, const std::vector<QuadraticPiece>& pieces) {
    std::vector<PointF> chain;
    PointF from = p0;
    for (const QuadraticPiece& q : pieces) {
        for (int i = 0; i <= 200; ++i) {
            double t = i / 200.0, u = 1 - t;
            chain.push_back({u * u * from.x + 2 * u * t * q.control.x + t * t * q.to.x,
                             u * u * from.y + 2 * u * t * q.control.y + t * t * q.to.y});
        }
        from = q.to;
    }
    auto segmentDistance = [](PointF p, PointF a, PointF b) {
        double vx = b.x - a.x, vy = b.y - a.y, len2 = vx * vx + vy * vy;
        double t = len2 > 0 ? std::clamp(((p.x - a.x) * vx + (p.y - a.y) * vy) / len2, 0.0, 1.0) : 0.0;
        return std::hypot(p.x - (a.x + t * vx), p.y - (a.y + t * vy));
    };
    double worst = 0;
    for (int i = 0; i <= 400; ++i) {
        PointF p = CubicAt(p0, c1, c2, p3, i / 400.0);
        double best = 1e18;
        for (size_t k = 0; k + 1 < chain.size(); ++k) best = std::min(best, segmentDistance(p, chain[k], chain[k + 1]));
        worst = std::max(worst, best);
    }
    return worst;
}

TEST(QuadraticApproximationTest, StaysWithinToleranceAndEndsExactly) {
    struct Case {
        PointF p0, c1, c2, p3;
    };
    const Case cases[] = {
        {{0, 0}, {0, 552}, {448, 1000}, {1000, 1000}},   // quarter circle
        {{0, 0}, {1000, 1000}, {0, 1000}, {1000, 0}},     // S with a cusp-like turn
        {{0, 0}, {10, 0}, {20, 0}, {30, 0}},              // straight
        {{100, 100}, {900, -800}, {-800, -800}, {0, 100}} // loop
    };
    for (const Case& c : cases) {
        auto pieces = CubicToQuadratics(c.p0, c.c1, c.c2, c.p3, 0.3);
        ASSERT_FALSE(pieces.empty());
        EXPECT_DOUBLE_EQ(pieces.back().to.x, c.p3.x);
        EXPECT_DOUBLE_EQ(pieces.back().to.y, c.p3.y);
        EXPECT_LT(MaxDeviation(c.p0, c.c1, c.c2, c.p3, pieces), 0.5);
    }
}

}  // namespace
}  // namespace glimmora::swf
