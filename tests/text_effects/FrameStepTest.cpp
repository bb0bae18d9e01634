// The frame step's Ex values, driven through the static text with ten steps.

#include "TextEffectFixture.h"

namespace glimmora::test {
namespace {

std::vector<std::string> AlphasOf(const std::vector<std::string>& fills)
{
    std::vector<std::string> alphas;
    for (const std::string& fill : fills) alphas.push_back(fill.substr(fill.rfind(", ") + 2));
    return alphas;
}

struct AlphaCase {
    int exAlpha;
    std::vector<std::string> alphas;
};

class AlphaRamp : public TextEffectTest, public ::testing::WithParamInterface<AlphaCase> {};

TEST_P(AlphaRamp, RoundsHalvesToEven)
{
    text.ExAlpha = GetParam().exAlpha;
    Run();
    EXPECT_EQ(AlphasOf(Args("text.SetSolidFill")), GetParam().alphas);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AlphaRamp,
    ::testing::Values(
        AlphaCase{255, {"26", "51", "76", "102", "128", "153", "178", "204", "230", "255"}},
        AlphaCase{-255, {"230", "204", "178", "153", "128", "102", "76", "51", "26", "0"}},
        AlphaCase{0, {"255", "255", "255", "255", "255", "255", "255", "255", "255", "255"}},
        AlphaCase{5, {"0", "1", "2", "2", "2", "3", "4", "4", "4", "5"}}));

TEST_F(TextEffectTest, ScaleGrowsLinearlyForPositiveExScale)
{
    text.ExScale = 2;
    Run();
    const auto scales = Args("text.Scale");
    ASSERT_EQ(scales.size(), 10u);
    EXPECT_EQ(scales.front(), "6451.2, 6451.2");  // c x 2 / 10
    EXPECT_EQ(scales[4], "32256, 32256");        // c x 2 / 10 x 5 = c
    EXPECT_EQ(scales.back(), "64512, 64512");     // 2c
}

TEST_F(TextEffectTest, ScaleShrinksToNominalForNegativeExScale)
{
    text.ExScale = -1;
    Run();
    const auto scales = Args("text.Scale");
    ASSERT_EQ(scales.size(), 10u);
    EXPECT_EQ(scales.front(), Num(32256 * 1.9) + ", " + Num(32256 * 1.9));  // c (1 + 9/10)
    EXPECT_EQ(scales.back(), "32256, 32256");
}

TEST_F(TextEffectTest, RotationEndsOnWholeTurns)
{
    text.ExRotate = 1;
    Run();
    const auto angles = Args("text.Rotate");
    ASSERT_EQ(angles.size(), 10u);
    EXPECT_EQ(angles.front(), "2359296");  // 36 degrees
    EXPECT_EQ(angles[4], "11796480");      // 180 degrees
    EXPECT_EQ(angles.back(), "23592960");  // one turn: upright again
    // Rotate comes between Scale and Translate.
    const auto& calls = service.Calls();
    const auto at = std::find(calls.begin(), calls.end(), "text.Rotate(2359296)");
    ASSERT_NE(at, calls.end());
    EXPECT_EQ(*(at - 1), "text.Scale(32256, 32256)");
    EXPECT_EQ((at + 1)->rfind("text.Translate(", 0), 0u);
}

TEST_F(TextEffectTest, ShockDriftsUpAndLeft)
{
    text.ExShock = -10;
    Run();
    const auto moves = Args("text.Translate");
    ASSERT_EQ(moves.size(), 10u);
    EXPECT_EQ(moves.front(), Num(BaseX(1000) - 20) + ", " + Num(BaseY() - 20));
    // 10 pixels up and left at the end of the run.
    EXPECT_EQ(moves.back(), Num(BaseX(1000) - 200) + ", " + Num(BaseY() - 200));
}

struct ColorCase {
    int exColor;
    std::vector<int> changeSteps;  // k + 1 of the steps that draw a new colour
    int cappedTo;                  // ExColor on the effect object afterwards
};

class ColorChanges : public TextEffectTest, public ::testing::WithParamInterface<ColorCase> {};

TEST_P(ColorChanges, DrawThreeValuesAfterOneReseedPerChange)
{
    // Draws 1, 2, 3, then 4, 5, 6, ... so each change has its own colour.
    std::vector<int> script;
    for (int i = 1; i <= 30; ++i) script.push_back(i);
    random = ScriptedRandom(script);
    text.ExColor = GetParam().exColor;
    Run();

    std::vector<std::string> expected;
    int drawn = 0;
    std::string current = "0, 0, 255";
    for (int step = 1; step <= 10; ++step) {
        const auto& changes = GetParam().changeSteps;
        if (std::find(changes.begin(), changes.end(), step) != changes.end()) {
            current = std::to_string(drawn + 1) + ", " + std::to_string(drawn + 2) + ", " + std::to_string(drawn + 3);
            drawn += 3;
        }
        expected.push_back(current + ", 255");
    }
    EXPECT_EQ(Args("text.SetSolidFill"), expected);
    EXPECT_EQ(random.reseeds, int(GetParam().changeSteps.size()));
    EXPECT_EQ(random.bounds, std::vector<int>(3 * GetParam().changeSteps.size(), 255));
    EXPECT_EQ(text.ExColor, GetParam().cappedTo);
}

INSTANTIATE_TEST_SUITE_P(Cases, ColorChanges,
                         ::testing::Values(ColorCase{1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1},
                                           ColorCase{3, {3, 6, 9}, 3},
                                           // Larger than the run: capped at n, one change at the last step.
                                           ColorCase{50, {10}, 10},
                                           ColorCase{0, {}, 0}));

}  // namespace
}  // namespace glimmora::test
