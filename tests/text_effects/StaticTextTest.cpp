// "-- None --": the whole-text set-up, the placement geometry and the run
// length with its final removal.

#include "TextEffectFixture.h"

namespace glimmora::test {
namespace {

TEST_F(TextEffectTest, StaticTextSetsUpTheWholeTextThenPlacesItEveryFrame)
{
    service.Log().textWidth = [](const std::string&, const std::u32string&) { return 1000; };
    Run();
    const std::vector<std::string> expectedStart = {
        "font.MakeFont(\"Sans\")",
        "font.AddGlyph(\"Sans\", \"Hi\", 65)",
        "text.MakeText(\"A\", font)",
        "text.SetDepth(2)",
        "font.GetTextWidth(\"Sans\", \"Hi\")",
        "movie.GotoFrame(0)",
        "text.Scale(32256, 32256)",
        "text.Translate(746.09375, 840)",
        "text.SetSolidFill(0, 0, 255, 255)",
        "movie.AddObject(text)",
        "movie.GotoFrame(1)",
        "movie.RemoveObject(text)",
        "text.Scale(32256, 32256)",
        "text.Translate(746.09375, 840)",
        "text.SetSolidFill(0, 0, 255, 255)",
        "movie.AddObject(text)",
    };
    const auto& calls = service.Calls();
    ASSERT_GE(calls.size(), expectedStart.size());
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + expectedStart.size()), expectedStart);
    EXPECT_TRUE(Calls("text.Rotate").empty());
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(TextEffectTest, FontColorBytesAreRedGreenBlue)
{
    text.FontColor = 0x123456;
    Run();
    EXPECT_EQ(Args("text.SetSolidFill").front(), "86, 52, 18, 255");
}

TEST_F(TextEffectTest, PositionMovesTheTextByWholePixels)
{
    text.PositionX = 0;
    text.PositionY = -5;
    Run();
    // Width 1000 (two letters at 500): the top-left corner at (0, 0) at scale c.
    EXPECT_EQ(Args("text.Translate").front(), Num(BaseX(1000, 0, 0)) + ", " + Num(BaseY(-5)));
}

struct StaticRunCase {
    int exSpeed;
    int startTime;
    std::vector<std::string> frames;  // every GotoFrame argument, in order
    int removals;                     // RemoveObject calls, the final one included
};

class StaticTextRunLength : public TextEffectTest, public ::testing::WithParamInterface<StaticRunCase> {};

TEST_P(StaticTextRunLength, RunsExSpeedPlusOneStepsAndRemovesInTheLastFrame)
{
    const StaticRunCase& c = GetParam();
    text.ExSpeed = c.exSpeed;
    text.StartTime = c.startTime;
    const auto& calls = Run();
    EXPECT_EQ(Args("movie.GotoFrame"), c.frames);
    EXPECT_EQ(Calls("movie.RemoveObject").size(), size_t(c.removals));
    if (!c.frames.empty()) {
        EXPECT_EQ(calls.back(), "movie.RemoveObject(text)");
        EXPECT_EQ(calls[calls.size() - 2], "movie.AddObject(text)");
    } else {
        EXPECT_TRUE(Calls("movie.").empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StaticTextRunLength,
    ::testing::Values(
        // ExSpeed 0 counts as 9: ten steps, the text is seen in frames 0 to 8.
        StaticRunCase{0, 0, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 10},
        StaticRunCase{9, 20, {"20", "21", "22", "23", "24", "25", "26", "27", "28", "29"}, 10},
        // ExSpeed 1: placed at 4, replaced at 5 and removed at 5: one frame.
        StaticRunCase{1, 4, {"4", "5"}, 2},
        // A negative length places nothing and removes nothing (no other
        // object's placement is taken away).
        StaticRunCase{-1, 4, {}, 0}, StaticRunCase{-7, 4, {}, 0}));

TEST_F(TextEffectTest, AbsurdRunLengthIsAClearError)
{
    text.ExSpeed = 2000000000;
    EXPECT_THROW(Run(), std::range_error);
    EXPECT_TRUE(Calls("movie.").empty());
}

struct ContentCase {
    size_t length;
    bool generated;
};

class ContentLength : public TextEffectTest, public ::testing::WithParamInterface<ContentCase> {};

TEST_P(ContentLength, OnlyOneTo127CharactersAreGenerated)
{
    text.Content = std::u32string(GetParam().length, U'x');
    Run();
    EXPECT_EQ(!service.Calls().empty(), GetParam().generated);
    EXPECT_EQ(Calls("movie.AddObject").size(), GetParam().generated ? 10u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, ContentLength,
                         ::testing::Values(ContentCase{0, false}, ContentCase{1, true}, ContentCase{127, true},
                                           ContentCase{128, false}, ContentCase{500, false}));

TEST_F(TextEffectTest, ContentLengthCountsCharactersNotBytes)
{
    text.Content = std::u32string(127, U'\u6587');  // 381 bytes in UTF-8
    Run();
    EXPECT_EQ(Calls("movie.AddObject").size(), 10u);
}

class UnknownEffectName : public TextEffectTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnknownEffectName, GeneratesNothing)
{
    text.EffectName = GetParam();
    Run();
    EXPECT_TRUE(service.Calls().empty());
    EXPECT_TRUE(errors.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, UnknownEffectName,
                         ::testing::Values("Zoom In", "Move Up -r", "Fade In ", "come in", "Heart  Beat", "",
                                           "-- none --", "None"));

}  // namespace
}  // namespace glimmora::test
