// The span the timeline draws for a text effect must be the frames the
// effect really generates: each case runs the effect against the recording
// service and compares.

#include "effects/text/TextEffectRun.h"
#include "effects/text/TextRounding.h"
#include "TextEffectFixture.h"

#include <algorithm>

namespace glimmora::test {
namespace {

struct RunCase {
    const char* effect;
    std::u32string content;
    int startTime;
    int exSpeed;
};

class EffectRun : public TextEffectTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(EffectRun, SpansTheFramesTheEffectGenerates)
{
    const RunCase& c = GetParam();
    text.EffectName = c.effect;
    text.Content = c.content;
    text.StartTime = c.startTime;
    text.ExSpeed = c.exSpeed;
    Run();

    const std::vector<std::string> frames = Args("movie.GotoFrame");
    ASSERT_FALSE(frames.empty());
    int first = INT32_MAX, last = INT32_MIN;
    for (const std::string& frame : frames) {
        const int rounded = RoundHalfEven(std::stod(frame));
        first = std::min(first, rounded);
        last = std::max(last, rounded);
    }
    const bool removedAtEnd = service.Calls().back().rfind("movie.RemoveObject", 0) == 0;

    const auto span = TextEffectRun(c.effect, c.startTime, c.exSpeed, int(c.content.size()));
    ASSERT_TRUE(span.has_value());
    EXPECT_EQ(span->first, first);
    EXPECT_EQ(span->last, last);
    EXPECT_EQ(span->staysOnStage, !removedAtEnd);
}

INSTANTIATE_TEST_SUITE_P(
    EveryTextEffect, EffectRun,
    ::testing::Values(RunCase{"-- None --", U"Hi", 3, 9}, RunCase{"-- None --", U"Hi", 0, 0},
                      RunCase{"Come In", U"Hey", 0, 9}, RunCase{"Come In", U"Hello", 7, 9},
                      RunCase{"Come Out", U"Hello", 2, 9}, RunCase{"Fade In", U"Hi", 10, 9},
                      RunCase{"Fade Out", U"Hi", 0, 9}, RunCase{"Move", U"Hi", 5, 9},
                      RunCase{"Roll In", U"Hello", 2, 9}, RunCase{"Heart Beat", U"Hey", 4, 9},
                      RunCase{"Kerning", U"Hey", 0, 9}, RunCase{"Radiation", U"Hi", 1, 9},
                      RunCase{"Rainbow", U"Hey", 0, 9}, RunCase{"Rotate", U"Hi", 6, 9},
                      RunCase{"Sin", U"Hey", 0, 9}),
    [](const ::testing::TestParamInfo<RunCase>& info) {
        std::string name = info.param.effect;
        name.erase(std::remove_if(name.begin(), name.end(), [](char ch) { return !std::isalnum((unsigned char)ch); }),
                   name.end());
        return (name.empty() ? std::string("None") : name) + "_" + std::to_string(info.index);
    });

TEST(EffectRunOfNothing, NoSpanForAnEmptyTextOrANameOutsideTheTextEffects)
{
    EXPECT_FALSE(TextEffectRun("Come In", 0, 9, 0).has_value());
    EXPECT_FALSE(TextEffectRun("Zoom In", 0, 9, 5).has_value());
    EXPECT_FALSE(TextEffectRun("", 0, 9, 5).has_value());
}

}  // namespace
}  // namespace glimmora::test
