// "Come In", "Come Out", "Fade In", "Fade Out", "Move" and "Roll In".

#include "TextEffectFixture.h"

namespace glimmora::test {
namespace {

std::vector<std::string> Range(double first, int count, double step = 1)
{
    std::vector<std::string> out;
    for (int k = 0; k < count; ++k) out.push_back(FormatNumber(first + k * step));
    return out;
}

std::vector<std::string> Concat(std::vector<std::vector<std::string>> parts)
{
    std::vector<std::string> out;
    for (auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// The calls from the n-th occurrence of `line` on (n from 0).
std::vector<std::string> From(const std::vector<std::string>& calls, const std::string& line, int n = 0)
{
    for (auto it = calls.begin(); it != calls.end(); ++it)
        if (*it == line && n-- == 0) return std::vector<std::string>(it, calls.end());
    return {};
}

TEST_F(TextEffectTest, ComeInStaggersLettersBySixAndAQuarterFramesUnrounded)
{
    text.EffectName = "Come In";
    text.Content = U"abc";
    text.ExSpeed = 3;  // ignored
    Run();
    EXPECT_EQ(Args("movie.GotoFrame"), Concat({Range(0, 25), Range(6.25, 25), Range(12.5, 25)}));
    // Three letters, each taken off nowhere: its last placement stays.
    EXPECT_EQ(Calls("movie.AddObject").size(), 75u);
    EXPECT_EQ(Calls("movie.RemoveObject").size(), 72u);
    EXPECT_EQ(service.Calls().back(), "movie.AddObject(text)");
}

TEST_F(TextEffectTest, ComeInBuildsTheLetterTableThenRunsEachLetter)
{
    text.EffectName = "Come In";
    text.Content = U"ab";
    Run();
    const std::vector<std::string> head = {
        "font.MakeFont(\"Sans\")",
        "font.AddGlyph(\"Sans\", \"a\", 1)",
        "font.GetTextWidth(\"Sans\", \"a\")",
        "font.AddGlyph(\"Sans\", \"b\", 2)",
        "font.GetTextWidth(\"Sans\", \"b\")",
        "text.MakeText(\"\\1\", font)",
        "text.SetDepth(2)",
        "movie.GotoFrame(0)",
        // c (1 + 3 x 24 / 25) = 3.88 c, alpha 10, at the letter's own place.
        "text.Scale(" + Num(32256 * 3.88) + ", " + Num(32256 * 3.88) + ")",
        "text.Translate(" + Num(BaseX(500)) + ", " + Num(BaseY()) + ")",
        "text.SetSolidFill(0, 0, 255, 10)",
        "movie.AddObject(text)",
    };
    const auto& calls = service.Calls();
    ASSERT_GE(calls.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + head.size()), head);
    // The second letter is not measured again and starts at its advance position.
    const auto second = From(calls, "text.MakeText(\"\\2\", font)");
    ASSERT_GE(second.size(), 5u);
    EXPECT_EQ(second[1], "text.SetDepth(2)");
    EXPECT_EQ(second[2], "movie.GotoFrame(6.25)");
    EXPECT_EQ(second[4], "text.Translate(" + Num(BaseX(500, 500)) + ", " + Num(BaseY()) + ")");
    const auto alphas = Args("text.SetSolidFill");
    EXPECT_EQ(alphas[1], "0, 0, 255, 20");
    EXPECT_EQ(alphas[2], "0, 0, 255, 31");
    EXPECT_EQ(alphas[24], "0, 0, 255, 255");
    EXPECT_EQ(Args("text.Scale")[24], "32256, 32256");
}

TEST_F(TextEffectTest, LetterAdvancePositionsAddUpTheWidths)
{
    service.Log().textWidth = [](const std::string&, const std::u32string& t) {
        return t == U"W" ? 900 : t == U"i" ? 200 : 500 * int(t.size());
    };
    text.EffectName = "Come In";
    text.Content = U"Wix";
    Run();
    const auto moves = Args("text.Translate");
    ASSERT_EQ(moves.size(), 75u);
    EXPECT_EQ(moves[0], Num(BaseX(900, 0)) + ", " + Num(BaseY()));
    EXPECT_EQ(moves[25], Num(BaseX(200, 900)) + ", " + Num(BaseY()));
    EXPECT_EQ(moves[50], Num(BaseX(500, 1100)) + ", " + Num(BaseY()));
}

TEST_F(TextEffectTest, ComeOutGrowsAndFadesEachLetter)
{
    text.EffectName = "Come Out";
    text.Content = U"a";
    Run();
    const auto scales = Args("text.Scale");
    ASSERT_EQ(scales.size(), 25u);
    EXPECT_EQ(scales.front(), Num(32256 * 3.0 / 25) + ", " + Num(32256 * 3.0 / 25));
    EXPECT_EQ(scales.back(), "96768, 96768");
    const auto fills = Args("text.SetSolidFill");
    EXPECT_EQ(fills.front(), "0, 0, 255, 245");
    EXPECT_EQ(fills[1], "0, 0, 255, 235");
    EXPECT_EQ(fills[2], "0, 0, 255, 224");
    EXPECT_EQ(fills.back(), "0, 0, 255, 0");
    EXPECT_EQ(service.Calls().back(), "movie.AddObject(text)");
}

struct FadeCase {
    const char* name;
    const char* firstAlpha;
    const char* lastVisibleAlpha;
};

class Fades : public TextEffectTest, public ::testing::WithParamInterface<FadeCase> {};

TEST_P(Fades, LastTwentyFourVisibleFramesWhateverTheStoredValues)
{
    text.EffectName = GetParam().name;
    text.StartTime = 10;
    text.ExSpeed = 3;
    text.ExAlpha = -100;
    const auto& calls = Run();
    EXPECT_EQ(Args("movie.GotoFrame"), Range(10, 25));
    const auto fills = Args("text.SetSolidFill");
    ASSERT_EQ(fills.size(), 25u);
    EXPECT_EQ(fills.front(), std::string("0, 0, 255, ") + GetParam().firstAlpha);
    EXPECT_EQ(fills[23], std::string("0, 0, 255, ") + GetParam().lastVisibleAlpha);
    // Taken off in the frame of the last step.
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls.back(), "movie.RemoveObject(text)");
    EXPECT_EQ(Calls("movie.RemoveObject").size(), 25u);
}

INSTANTIATE_TEST_SUITE_P(Cases, Fades,
                         ::testing::Values(FadeCase{"Fade In", "10", "245"}, FadeCase{"Fade Out", "245", "10"}));

TEST_F(TextEffectTest, MoveScrollsFromTwoHundredPixelsRight)
{
    text.EffectName = "Move";
    text.StartTime = 5;
    Run();
    EXPECT_EQ(Args("movie.GotoFrame"), Range(5, 240));
    const auto moves = Args("text.Translate");
    ASSERT_EQ(moves.size(), 240u);
    EXPECT_EQ(moves[0], Num(BaseX(1000) + 4000) + ", " + Num(BaseY()));
    EXPECT_EQ(moves[80], Num(BaseX(1000)) + ", " + Num(BaseY()));
    EXPECT_EQ(moves[239], Num(BaseX(1000) + 4000 - 50 * 239) + ", " + Num(BaseY()));
    EXPECT_EQ(service.Calls().back(), "movie.RemoveObject(text)");
}

TEST_F(TextEffectTest, MoveWithExScaleGrowsWhileScrolling)
{
    text.EffectName = "Move";
    text.ExScale = 1;
    Run();
    const auto scales = Args("text.Scale");
    ASSERT_EQ(scales.size(), 240u);
    EXPECT_EQ(scales.front(), Num(32256.0 / 240) + ", " + Num(32256.0 / 240));
    EXPECT_EQ(scales.back(), "32256, 32256");
}

TEST_F(TextEffectTest, RollInSlidesEachLetterFromThirtyPixelsRight)
{
    text.EffectName = "Roll In";
    text.Content = U"ab";
    text.StartTime = 2;
    Run();
    EXPECT_EQ(Args("movie.GotoFrame"), Concat({Range(2, 25), Range(14.75, 25)}));
    const auto moves = Args("text.Translate");
    ASSERT_EQ(moves.size(), 50u);
    EXPECT_EQ(moves[0], Num(BaseX(500) + 600) + ", " + Num(BaseY()));
    EXPECT_EQ(moves[12], Num(BaseX(500)) + ", " + Num(BaseY()));
    EXPECT_EQ(moves[24], Num(BaseX(500) - 600) + ", " + Num(BaseY()));
    EXPECT_EQ(moves[25], Num(BaseX(500, 500) + 600) + ", " + Num(BaseY()));
    // Each letter is measured again after MakeText and SetDepth.
    const auto second = From(service.Calls(), "text.MakeText(\"\\2\", font)");
    ASSERT_GE(second.size(), 3u);
    EXPECT_EQ(second[2], "font.GetTextWidth(\"Sans\", \"b\")");
}

TEST_F(TextEffectTest, RollInColourChangesCarryOverToTheNextLetter)
{
    text.EffectName = "Roll In";
    text.Content = U"ab";
    text.ExColor = 5;
    random = ScriptedRandom({7, 8, 9});
    Run();
    const auto fills = Args("text.SetSolidFill");
    ASSERT_EQ(fills.size(), 50u);
    EXPECT_EQ(fills[3], "0, 0, 255, 255");
    EXPECT_EQ(fills[4], "7, 8, 9, 255");  // step 4: the first change
    EXPECT_EQ(random.reseeds, 10);         // steps 4, 9, 14, 19 and 24 of both letters
    EXPECT_EQ(fills[25], "7, 8, 9, 255");  // the second letter starts in the last colour
}

}  // namespace
}  // namespace glimmora::test
