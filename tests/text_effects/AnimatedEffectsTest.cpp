// "Heart Beat", "Kerning", "Radiation", "Rainbow", "Rotate" and "Sin".

#include "TextEffectFixture.h"

namespace glimmora::test {
namespace {

TEST_F(TextEffectTest, HeartBeatRunsTwiceWithTheRemovalBetween)
{
    text.EffectName = "Heart Beat";
    text.Content = U"H";
    text.StartTime = 30;
    const auto& calls = Run();

    std::vector<std::string> frames;
    for (int f = 30; f <= 42; ++f) frames.push_back(std::to_string(f));
    for (int f = 42; f <= 54; ++f) frames.push_back(std::to_string(f));
    EXPECT_EQ(Args("movie.GotoFrame"), frames);

    // The seam: step 12 of the first run, the removal, step 0 of the second
    // run (which removes nothing itself).
    const std::string x = Num(BaseX(500)), y = Num(BaseY());
    const std::vector<std::string> seam = {
        "movie.GotoFrame(42)",
        "movie.RemoveObject(text)",
        "text.Scale(64512, 64512)",
        "text.Translate(" + x + ", " + y + ")",
        "text.SetSolidFill(0, 0, 255, 255)",
        "movie.AddObject(text)",
        "movie.RemoveObject(text)",
        "movie.GotoFrame(42)",
        "text.Scale(" + Num(32256.0 * 37 / 13) + ", " + Num(32256.0 * 37 / 13) + ")",
        "text.Translate(" + x + ", " + y + ")",
        "text.SetSolidFill(0, 0, 255, 255)",
        "movie.AddObject(text)",
        "movie.GotoFrame(43)",
        "movie.RemoveObject(text)",
    };
    const auto at = std::search(calls.begin(), calls.end(), seam.begin(), seam.end());
    EXPECT_NE(at, calls.end());
    EXPECT_EQ(Args("text.Scale").front(), Num(32256.0 * 2 / 13) + ", " + Num(32256.0 * 2 / 13));
    EXPECT_EQ(Args("text.Scale").back(), "32256, 32256");
    EXPECT_EQ(calls.back(), "movie.AddObject(text)");
    EXPECT_EQ(Calls("movie.RemoveObject").size(), 25u);
}

TEST_F(TextEffectTest, HeartBeatFadesInTwice)
{
    text.EffectName = "Heart Beat";
    text.Content = U"H";
    text.ExAlpha = 255;
    Run();
    const auto fills = Args("text.SetSolidFill");
    ASSERT_EQ(fills.size(), 26u);
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(fills[13 * run], "0, 0, 255, 20");
        EXPECT_EQ(fills[13 * run + 1], "0, 0, 255, 39");
        EXPECT_EQ(fills[13 * run + 12], "0, 0, 255, 255");
    }
}

TEST_F(TextEffectTest, KerningMovesLetterJByJPixelsPerFrame)
{
    text.EffectName = "Kerning";
    text.Content = U"abc";
    Run();
    const auto moves = Args("text.Translate");
    ASSERT_EQ(moves.size(), 75u);
    // Letter 0 stays; letter 2 ends 48 pixels right of its place.
    EXPECT_EQ(moves[24], Num(BaseX(500)) + ", " + Num(BaseY()));
    EXPECT_EQ(moves[51], Num(BaseX(500, 1000) + 40) + ", " + Num(BaseY()));
    EXPECT_EQ(moves[74], Num(BaseX(500, 1000) + 960) + ", " + Num(BaseY()));
    // All letters on the same frames.
    const auto frames = Args("movie.GotoFrame");
    EXPECT_EQ(frames[25], "0");
    EXPECT_EQ(frames[74], "24");
    EXPECT_EQ(Args("text.SetSolidFill")[0], "0, 0, 255, 10");
}

TEST_F(TextEffectTest, RadiationBurstsAndIsTakenOff)
{
    text.EffectName = "Radiation";
    const auto& calls = Run();
    const auto scales = Args("text.Scale");
    ASSERT_EQ(scales.size(), 25u);
    EXPECT_EQ(scales.front(), Num(32256.0 * 2 / 25) + ", " + Num(32256.0 * 2 / 25));
    EXPECT_EQ(scales.back(), "64512, 64512");
    EXPECT_EQ(Args("text.SetSolidFill").front(), "0, 0, 255, 245");
    EXPECT_EQ(Args("text.SetSolidFill").back(), "0, 0, 255, 0");
    EXPECT_EQ(calls.back(), "movie.RemoveObject(text)");
    EXPECT_EQ(Args("movie.GotoFrame").back(), "24");
}

TEST_F(TextEffectTest, RainbowDrawsAColourAtEveryStepOfEveryLetter)
{
    text.EffectName = "Rainbow";
    text.Content = U"ab";
    text.ExAlpha = -255;
    random = ScriptedRandom({1, 2, 3, 4, 5, 6});
    Run();
    const auto fills = Args("text.SetSolidFill");
    ASSERT_EQ(fills.size(), 50u);
    EXPECT_EQ(fills[0], "1, 2, 3, 245");
    EXPECT_EQ(fills[1], "4, 5, 6, 235");
    EXPECT_EQ(fills[2], "1, 2, 3, 224");
    EXPECT_EQ(fills[24], "1, 2, 3, 0");
    EXPECT_EQ(random.reseeds, 50);
    EXPECT_EQ(random.bounds, std::vector<int>(150, 255));
}

TEST_F(TextEffectTest, RotateTurnsTwiceAndStaysUpright)
{
    text.EffectName = "Rotate";
    text.ExSpeed = 3;
    text.ExScale = 7;
    text.ExRotate = -1;
    text.ExAlpha = -255;
    const auto& calls = Run();
    EXPECT_EQ(Args("movie.GotoFrame").size(), 50u);
    const auto angles = Args("text.Rotate");
    ASSERT_EQ(angles.size(), 50u);
    EXPECT_EQ(angles.front(), "943718.4");  // 14.4 degrees
    EXPECT_EQ(angles.back(), "47185920");   // two turns
    EXPECT_EQ(Args("text.Scale").front(), Num(32256 * 4.92) + ", " + Num(32256 * 4.92));
    EXPECT_EQ(Args("text.Scale").back(), "32256, 32256");
    EXPECT_EQ(Args("text.SetSolidFill").front(), "0, 0, 255, 5");
    EXPECT_EQ(Args("text.SetSolidFill").back(), "0, 0, 255, 255");
    EXPECT_EQ(calls.back(), "movie.AddObject(text)");
}

TEST_F(TextEffectTest, SinSwaysAlongTheDiagonal)
{
    text.EffectName = "Sin";
    text.Content = U"A";
    Run();
    const auto moves = Args("text.Translate");
    ASSERT_EQ(moves.size(), 241u);
    const int offsets[] = {121, 221, 284, 299, 263, 182};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(moves[k], Num(BaseX(500) + offsets[k]) + ", " + Num(BaseY() + offsets[k])) << "step " << k;
    EXPECT_EQ(moves.back(), Num(BaseX(500) - 152) + ", " + Num(BaseY() - 152));
    EXPECT_EQ(Args("movie.GotoFrame").back(), "240");
}

TEST_F(TextEffectTest, EffectsOverwriteTheirFixedValuesOnTheEffectObjectOnly)
{
    text.EffectName = "Rotate";
    text.ExSpeed = 3;
    Run();
    EXPECT_EQ(text.ExSpeed, 49);
    EXPECT_EQ(text.ExScale, -4);
    EXPECT_EQ(text.ExRotate, 2);
    EXPECT_EQ(text.ExAlpha, 255);
}

}  // namespace
}  // namespace glimmora::test
