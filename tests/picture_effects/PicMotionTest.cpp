// The offsets of whole runs, the jitter of the shaking routines and the turn.

#include "PictureBench.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

std::vector<std::string> Translates(PictureBench& bench)
{
    return bench.service.Log().Matching("media.Translate");
}

TEST(PictureMotion, MoveUpRisesBy116Or117TwipsToTheTopEdge)
{
    PictureBench bench;
    bench.Run("Move Up");
    const auto t = Translates(bench);
    ASSERT_EQ(t.size(), 31u);
    EXPECT_EQ(t[0], "media.Translate(3200, 3484)");
    EXPECT_EQ(t[1], "media.Translate(3200, 3368)");
    EXPECT_EQ(t[29], "media.Translate(3200, 116)");
    EXPECT_EQ(t[30], "media.Translate(3200, 0)");
}

TEST(PictureMotion, MoveLeftAndRightRoundTheirOffsets)
{
    PictureBench left, right;
    left.Run("Move Left");
    right.Run("Move Right");
    const auto l = Translates(left), r = Translates(right);
    ASSERT_EQ(l.size(), 31u);
    ASSERT_EQ(r.size(), 31u);
    EXPECT_EQ(l[0], "media.Translate(8129, 1300)");
    EXPECT_EQ(l[1], "media.Translate(7858, 1300)");
    EXPECT_EQ(l[29], "media.Translate(271, 1300)");
    EXPECT_EQ(r[1], "media.Translate(542, 1300)");
    EXPECT_EQ(r[29], "media.Translate(8129, 1300)");
    EXPECT_EQ(r[30], "media.Translate(8400, 1300)");
}

struct JitterCase {
    int r;
    const char* firstStep;
};

class ShakingFirstStep : public ::testing::TestWithParam<JitterCase> {};

TEST_P(ShakingFirstStep, AddsRTimesTwentyTimesThirtyAndNothingAtTheEnd)
{
    PictureBench bench({GetParam().r});
    bench.Run("Move Left -s");
    const auto t = Translates(bench);
    ASSERT_EQ(t.size(), 31u);
    EXPECT_EQ(t.front(), GetParam().firstStep);
    EXPECT_EQ(t.back(), "media.Translate(0, 1300)");
    EXPECT_EQ(bench.random.reseeds, 31);
    EXPECT_EQ(bench.random.bounds, std::vector<int>(31, 5));  // one draw per step: x only
}

INSTANTIATE_TEST_SUITE_P(R, ShakingFirstStep,
                         ::testing::Values(JitterCase{0, "media.Translate(8129, 1300)"},
                                           JitterCase{1, "media.Translate(8729, 1300)"},
                                           JitterCase{2, "media.Translate(9329, 1300)"},
                                           JitterCase{3, "media.Translate(9929, 1300)"},
                                           JitterCase{4, "media.Translate(10529, 1300)"}));

TEST(PictureMotion, DiagonalShakeDrawsXFirstThenY)
{
    PictureBench bench({1, 3});
    bench.Run("Move Down r -s");
    const auto t = Translates(bench);
    // x = -1729 + 1 * 600, y = -884 + 3 * 600 at the first step.
    EXPECT_EQ(t.front(), "media.Translate(-1129, 916)");
    EXPECT_EQ(bench.random.bounds.size(), 62u);
    // Second step, k = 2: x gets 1 * 20 * 29 again, y 3 * 20 * 29.
    EXPECT_EQ(t[1], "media.Translate(" + std::to_string(-1458 + 580) + ", " + std::to_string(-768 + 1740) + ")");
}

TEST(PictureMotion, ShakingZoomRisesAndKeepsTheOtherAxisExact)
{
    PictureBench rising({4});
    rising.Run("Zoom In -s");
    const auto t = Translates(rising);
    ASSERT_EQ(t.size(), 31u);
    EXPECT_EQ(t.front(), "media.Translate(3200, 5884)");  // 3484 + 2400
    EXPECT_EQ(t.back(), "media.Translate(3200, 0)");

    PictureBench left({2});
    left.Run("Zoom Out Left -s");
    const auto l = Translates(left);
    for (const auto& call : l) EXPECT_TRUE(call.ends_with(", 1300)")) << call;
    EXPECT_EQ(l.front(), "media.Translate(4368, 1300)");  // round(3167.74) + 1200
    EXPECT_EQ(l.back(), "media.Translate(2200, 1300)");
}

TEST(PictureMotion, TurningEndsUpright)
{
    PictureBench bench;
    bench.Run("Zoom In Right -r");
    const auto rotations = bench.service.Log().Matching("media.Rotate");
    ASSERT_EQ(rotations.size(), 31u);
    EXPECT_EQ(rotations.front(), "media.Rotate(761063.2258)");
    EXPECT_EQ(rotations[15], "media.Rotate(" + FormatNumber(1.0 / 31 * 16 * 65536 * 360) + ")");
    EXPECT_EQ(rotations.back(), "media.Rotate(23592960)");
}

TEST(PictureMotion, ZoomOutEndsAtScaleZeroAndStays)
{
    PictureBench bench;
    bench.Run("Zoom Out Down r");
    const auto& calls = bench.Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[calls.size() - 3], "media.Scale(0, 0)");
    EXPECT_EQ(calls[calls.size() - 2], "media.Translate(4200, 1800)");
    EXPECT_EQ(calls.back(), "movie.AddObject(media)");
}

}  // namespace
}  // namespace glimmora::test
