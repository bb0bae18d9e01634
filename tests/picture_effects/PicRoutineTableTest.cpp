// Every picture routine by name, on the bench picture (movie 420 x 180, picture
// 100 x 50, StartTime 12): the calls of the first and the last step, the
// placements and removals, and the frames. The shaking routines draw r = 1, so
// their jittered axes are 600 twips further at the first step and exact at the last.

#include "PictureBench.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

namespace glimmora::test {
namespace {

enum class Shape { Still, Fade, Run };

// Arguments of the step's Scale, Translate and Rotate; nullptr where the step has none.
struct StepCalls {
    const char* scale;
    const char* translate;
    const char* rotate;
};

struct RoutineRow {
    const char* name;
    const char* translateBeforeRun;  // the one Translate before the first step, if any
    StepCalls first;                 // k = 1, frame 12
    StepCalls last;                  // k = 31, frame 42
    Shape shape = Shape::Run;
};

void PrintTo(const RoutineRow& row, std::ostream* os) { *os << '"' << row.name << '"'; }

const RoutineRow kRoutines[] = {
    {"-- None --", nullptr, {}, {}, Shape::Still},
    {"Fade In", nullptr, {}, {}, Shape::Fade},
    {"Fade Out", nullptr, {}, {}, Shape::Fade},
    {"Move Up", nullptr, {nullptr, "3200, 3484", nullptr}, {nullptr, "3200, 0", nullptr}},
    {"Move Down", nullptr, {nullptr, "3200, 116", nullptr}, {nullptr, "3200, 3600", nullptr}},
    {"Move Left", nullptr, {nullptr, "8129, 1300", nullptr}, {nullptr, "0, 1300", nullptr}},
    {"Move Right", nullptr, {nullptr, "271, 1300", nullptr}, {nullptr, "8400, 1300", nullptr}},
    {"Move Up l", nullptr, {nullptr, "8129, 3484", nullptr}, {nullptr, "0, 0", nullptr}},
    {"Move Down l", nullptr, {nullptr, "8129, -884", nullptr}, {nullptr, "0, 2600", nullptr}},
    {"Move Up r", nullptr, {nullptr, "-1729, 3484", nullptr}, {nullptr, "6400, 0", nullptr}},
    {"Move Down r", nullptr, {nullptr, "-1729, -884", nullptr}, {nullptr, "6400, 2600", nullptr}},
    {"Move Up -r", nullptr, {nullptr, "3200, 3484", "761063.2258"}, {nullptr, "3200, 0", "23592960"}},
    {"Move Down -r", nullptr, {nullptr, "3200, 116", "761063.2258"}, {nullptr, "3200, 3600", "23592960"}},
    {"Move Left -r", nullptr, {nullptr, "8129, 1300", "761063.2258"}, {nullptr, "0, 1300", "23592960"}},
    {"Move Right -r", nullptr, {nullptr, "271, 1300", "761063.2258"}, {nullptr, "8400, 1300", "23592960"}},
    {"Move Up l -r", nullptr, {nullptr, "8129, 3484", "761063.2258"}, {nullptr, "0, 0", "23592960"}},
    {"Move Down l -r", nullptr, {nullptr, "8129, -884", "761063.2258"}, {nullptr, "0, 2600", "23592960"}},
    {"Move Up r -r", nullptr, {nullptr, "-1729, 3484", "761063.2258"}, {nullptr, "6400, 0", "23592960"}},
    {"Move Down r -r", nullptr, {nullptr, "-1729, -884", "761063.2258"}, {nullptr, "6400, 2600", "23592960"}},
    {"Move Up -s", nullptr, {nullptr, "3200, 4084", nullptr}, {nullptr, "3200, 0", nullptr}},
    {"Move Down -s", nullptr, {nullptr, "3200, 716", nullptr}, {nullptr, "3200, 3600", nullptr}},
    {"Move Left -s", nullptr, {nullptr, "8729, 1300", nullptr}, {nullptr, "0, 1300", nullptr}},
    {"Move Right -s", nullptr, {nullptr, "871, 1300", nullptr}, {nullptr, "8400, 1300", nullptr}},
    {"Move Up l -s", nullptr, {nullptr, "8729, 4084", nullptr}, {nullptr, "0, 0", nullptr}},
    {"Move Down l -s", nullptr, {nullptr, "8729, -284", nullptr}, {nullptr, "0, 2600", nullptr}},
    {"Move Up r -s", nullptr, {nullptr, "-1129, 4084", nullptr}, {nullptr, "6400, 0", nullptr}},
    {"Move Down r -s", nullptr, {nullptr, "-1129, -284", nullptr}, {nullptr, "6400, 2600", nullptr}},
    {"Zoom In", "3200, 1300", {"2114.064516, 2114.064516", nullptr, nullptr}, {"65536, 65536", nullptr, nullptr}},
    {"Zoom In Up", nullptr, {"2114.064516, 2114.064516", "3200, 1783.870968", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Zoom In Down", nullptr, {"2114.064516, 2114.064516", "3200, 816.1290323", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Zoom In Left", nullptr, {"2114.064516, 2114.064516", "2232.258065, 1300", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Zoom In Right", nullptr, {"2114.064516, 2114.064516", "4167.741935, 1300", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Zoom In Up l", nullptr, {"2114.064516, 2114.064516", "4167.741935, 1783.870968", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Zoom In Down l", nullptr, {"2114.064516, 2114.064516", "4167.741935, 816.1290323", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Zoom In Up r", nullptr, {"2114.064516, 2114.064516", "2232.258065, 1783.870968", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Zoom In Down r", nullptr, {"2114.064516, 2114.064516", "2232.258065, 816.1290323", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Zoom In -r", "3200, 1300", {"2114.064516, 2114.064516", nullptr, "761063.2258"}, {"65536, 65536", nullptr, "23592960"}},
    {"Zoom In Up -r", nullptr, {"2114.064516, 2114.064516", "3200, 1783.870968", "761063.2258"}, {"65536, 65536", "3200, 1300", "23592960"}},
    {"Zoom In Down -r", nullptr, {"2114.064516, 2114.064516", "3200, 816.1290323", "761063.2258"}, {"65536, 65536", "3200, 1300", "23592960"}},
    {"Zoom In Left -r", nullptr, {"2114.064516, 2114.064516", "2232.258065, 1300", "761063.2258"}, {"65536, 65536", "3200, 1300", "23592960"}},
    {"Zoom In Right -r", nullptr, {"2114.064516, 2114.064516", "4167.741935, 1300", "761063.2258"}, {"65536, 65536", "3200, 1300", "23592960"}},
    {"Zoom In Up l -r", nullptr, {"2114.064516, 2114.064516", "4167.741935, 1783.870968", "761063.2258"}, {"65536, 65536", "3200, 1300", "23592960"}},
    {"Zoom In Down l -r", nullptr, {"2114.064516, 2114.064516", "4167.741935, 816.1290323", "761063.2258"}, {"65536, 65536", "3200, 1300", "23592960"}},
    {"Zoom In Up r -r", nullptr, {"2114.064516, 2114.064516", "2232.258065, 1783.870968", "761063.2258"}, {"65536, 65536", "3200, 1300", "23592960"}},
    {"Zoom In Down r -r", nullptr, {"2114.064516, 2114.064516", "2232.258065, 816.1290323", "761063.2258"}, {"65536, 65536", "3200, 1300", "23592960"}},
    {"Zoom In -s", nullptr, {"2114.064516, 2114.064516", "3200, 4084", nullptr}, {"65536, 65536", "3200, 0", nullptr}},
    {"Zoom In Up -s", nullptr, {"2114.064516, 2114.064516", "3200, 2384", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Zoom In Down -s", nullptr, {"2114.064516, 2114.064516", "3200, 1416", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Zoom In Left -s", nullptr, {"2114.064516, 2114.064516", "2832, 1300", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Zoom In Right -s", nullptr, {"2114.064516, 2114.064516", "4768, 1300", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Zoom In Up l -s", nullptr, {"2114.064516, 2114.064516", "4768, 2384", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Zoom In Down l -s", nullptr, {"2114.064516, 2114.064516", "4768, 1416", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Zoom In Up r -s", nullptr, {"2114.064516, 2114.064516", "2832, 2384", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Zoom In Down r -s", nullptr, {"2114.064516, 2114.064516", "2832, 1416", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Zoom Out", "3200, 1300", {"63421.93548, 63421.93548", nullptr, nullptr}, {"0, 0", nullptr, nullptr}},
    {"Zoom Out Up", nullptr, {"63421.93548, 63421.93548", "3200, 1283.870968", nullptr}, {"0, 0", "3200, 800", nullptr}},
    {"Zoom Out Down", nullptr, {"63421.93548, 63421.93548", "3200, 1316.129032", nullptr}, {"0, 0", "3200, 1800", nullptr}},
    {"Zoom Out Left", nullptr, {"63421.93548, 63421.93548", "3167.741935, 1300", nullptr}, {"0, 0", "2200, 1300", nullptr}},
    {"Zoom Out Right", nullptr, {"63421.93548, 63421.93548", "3232.258065, 1300", nullptr}, {"0, 0", "4200, 1300", nullptr}},
    {"Zoom Out Up l", nullptr, {"63421.93548, 63421.93548", "3167.741935, 1283.870968", nullptr}, {"0, 0", "2200, 800", nullptr}},
    {"Zoom Out Down l", nullptr, {"63421.93548, 63421.93548", "3167.741935, 1316.129032", nullptr}, {"0, 0", "2200, 1800", nullptr}},
    {"Zoom Out Up r", nullptr, {"63421.93548, 63421.93548", "3232.258065, 1283.870968", nullptr}, {"0, 0", "4200, 800", nullptr}},
    {"Zoom Out Down r", nullptr, {"63421.93548, 63421.93548", "3232.258065, 1316.129032", nullptr}, {"0, 0", "4200, 1800", nullptr}},
    {"Zoom Out -r", "3200, 1300", {"63421.93548, 63421.93548", nullptr, "761063.2258"}, {"0, 0", nullptr, "23592960"}},
    {"Zoom Out Up -r", nullptr, {"63421.93548, 63421.93548", "3200, 1283.870968", "761063.2258"}, {"0, 0", "3200, 800", "23592960"}},
    {"Zoom Out Down -r", nullptr, {"63421.93548, 63421.93548", "3200, 1316.129032", "761063.2258"}, {"0, 0", "3200, 1800", "23592960"}},
    {"Zoom Out Left -r", nullptr, {"63421.93548, 63421.93548", "3167.741935, 1300", "761063.2258"}, {"0, 0", "2200, 1300", "23592960"}},
    {"Zoom Out Right -r", nullptr, {"63421.93548, 63421.93548", "3232.258065, 1300", "761063.2258"}, {"0, 0", "4200, 1300", "23592960"}},
    {"Zoom Out Up l -r", nullptr, {"63421.93548, 63421.93548", "3167.741935, 1283.870968", "761063.2258"}, {"0, 0", "2200, 800", "23592960"}},
    {"Zoom Out Down l -r", nullptr, {"63421.93548, 63421.93548", "3167.741935, 1316.129032", "761063.2258"}, {"0, 0", "2200, 1800", "23592960"}},
    {"Zoom Out Up r -r", nullptr, {"63421.93548, 63421.93548", "3232.258065, 1283.870968", "761063.2258"}, {"0, 0", "4200, 800", "23592960"}},
    {"Zoom Out Down r -r", nullptr, {"63421.93548, 63421.93548", "3232.258065, 1316.129032", "761063.2258"}, {"0, 0", "4200, 1800", "23592960"}},
    {"Zoom Out -s", nullptr, {"63421.93548, 63421.93548", "3200, 4084", nullptr}, {"0, 0", "3200, 0", nullptr}},
    {"Zoom Out Up -s", nullptr, {"63421.93548, 63421.93548", "3200, 1884", nullptr}, {"0, 0", "3200, 800", nullptr}},
    {"Zoom Out Down -s", nullptr, {"63421.93548, 63421.93548", "3200, 1916", nullptr}, {"0, 0", "3200, 1800", nullptr}},
    {"Zoom Out Left -s", nullptr, {"63421.93548, 63421.93548", "3768, 1300", nullptr}, {"0, 0", "2200, 1300", nullptr}},
    {"Zoom Out Right -s", nullptr, {"63421.93548, 63421.93548", "3832, 1300", nullptr}, {"0, 0", "4200, 1300", nullptr}},
    {"Zoom Out Up l -s", nullptr, {"63421.93548, 63421.93548", "3768, 1884", nullptr}, {"0, 0", "2200, 800", nullptr}},
    {"Zoom Out Down l -s", nullptr, {"63421.93548, 63421.93548", "3768, 1916", nullptr}, {"0, 0", "2200, 1800", nullptr}},
    {"Zoom Out Up r -s", nullptr, {"63421.93548, 63421.93548", "3832, 1884", nullptr}, {"0, 0", "4200, 800", nullptr}},
    {"Zoom Out Down r -s", nullptr, {"63421.93548, 63421.93548", "3832, 1916", nullptr}, {"0, 0", "4200, 1800", nullptr}},
    {"Come In x", "3200, 1300", {"2114.064516, 65536", nullptr, nullptr}, {"65536, 65536", nullptr, nullptr}},
    {"Come Out x", "3200, 1300", {"63421.93548, 65536", nullptr, nullptr}, {"0, 65536", nullptr, nullptr}},
    {"Come In xl", nullptr, {"2114.064516, 65536", "4167.741935, 1300", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Come Out xl", nullptr, {"63421.93548, 65536", "3167.741935, 1300", nullptr}, {"0, 65536", "2200, 1300", nullptr}},
    {"Come In xr", nullptr, {"2114.064516, 65536", "2232.258065, 1300", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Come Out xr", nullptr, {"63421.93548, 65536", "3232.258065, 1300", nullptr}, {"0, 65536", "4200, 1300", nullptr}},
    {"Come In y", "3200, 1300", {"65536, 2114.064516", nullptr, nullptr}, {"65536, 65536", nullptr, nullptr}},
    {"Come Out y", "3200, 1300", {"65536, 63421.93548", nullptr, nullptr}, {"65536, 0", nullptr, nullptr}},
    {"Come In yt", nullptr, {"65536, 2114.064516", "3200, 1783.870968", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Come Out yt", nullptr, {"65536, 63421.93548", "3200, 1283.870968", nullptr}, {"65536, 0", "3200, 800", nullptr}},
    {"Come In yb", nullptr, {"65536, 2114.064516", "3200, 816.1290323", nullptr}, {"65536, 65536", "3200, 1300", nullptr}},
    {"Come Out yb", nullptr, {"65536, 63421.93548", "3200, 1316.129032", nullptr}, {"65536, 0", "3200, 1800", nullptr}},
};

std::vector<std::string> ExpectedStep(int frame, bool removes, const StepCalls& s)
{
    std::vector<std::string> out{"movie.GotoFrame(" + std::to_string(frame) + ")"};
    if (removes) out.push_back("movie.RemoveObject(media)");
    if (s.scale) out.push_back(std::string("media.Scale(") + s.scale + ")");
    if (s.translate) out.push_back(std::string("media.Translate(") + s.translate + ")");
    if (s.rotate) out.push_back(std::string("media.Rotate(") + s.rotate + ")");
    out.push_back("movie.AddObject(media)");
    return out;
}

// The operation of a call line without its arguments: "media.Scale".
std::string Operation(const std::string& call) { return call.substr(0, call.find('(')); }

// Splits the calls from `begin` into steps, each starting at a GotoFrame.
std::vector<std::vector<std::string>> Steps(const std::vector<std::string>& calls, size_t begin)
{
    std::vector<std::vector<std::string>> steps;
    for (size_t i = begin; i < calls.size(); ++i) {
        if (Operation(calls[i]) == "movie.GotoFrame" || steps.empty()) steps.emplace_back();
        steps.back().push_back(calls[i]);
    }
    return steps;
}

class PictureRoutineTable : public ::testing::TestWithParam<RoutineRow> {};

TEST_P(PictureRoutineTable, PlacesItsStepsAsSpecified)
{
    const RoutineRow& row = GetParam();
    PictureBench bench({1});
    bench.Run(row.name);
    const auto& calls = bench.Calls();
    EXPECT_TRUE(bench.reporter.messages.empty());
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0], kBenchMakePicture);
    EXPECT_EQ(calls[1], "media.SetDepth(1)");

    if (row.shape == Shape::Still) {
        EXPECT_EQ(calls, (std::vector<std::string>{kBenchMakePicture, "media.SetDepth(1)", "movie.GotoFrame(12)",
                                                   "movie.AddObject(media)", "movie.GotoFrame(16)",
                                                   "movie.RemoveObject(media)"}));
        return;
    }
    if (row.shape == Shape::Fade) {
        EXPECT_EQ(bench.Count("movie.AddObject(media)"), 1u);
        EXPECT_EQ(bench.Count("movie.RemoveObject(media)"), 1u);
        EXPECT_EQ(bench.Count("movie.AddObject(overlay)"), 5u);
        EXPECT_EQ(bench.Count("movie.RemoveObject(overlay)"), 4u);
        EXPECT_EQ(bench.service.Log().Matching("movie.GotoFrame").size(), 2u + 5u);
        return;
    }

    size_t begin = 2;
    if (row.translateBeforeRun) {
        ASSERT_GT(calls.size(), 2u);
        EXPECT_EQ(calls[2], std::string("media.Translate(") + row.translateBeforeRun + ")");
        begin = 3;
    }
    const auto steps = Steps(calls, begin);
    ASSERT_EQ(steps.size(), 31u);
    EXPECT_EQ(steps.front(), ExpectedStep(12, false, row.first));
    EXPECT_EQ(steps.back(), ExpectedStep(42, true, row.last));
    // Every step in between has the same calls, at its own frame.
    const auto shape = ExpectedStep(0, true, row.last);
    for (size_t i = 1; i < steps.size(); ++i) {
        ASSERT_EQ(steps[i].size(), shape.size()) << "step " << i;
        EXPECT_EQ(steps[i][0], "movie.GotoFrame(" + std::to_string(12 + i) + ")");
        for (size_t c = 1; c < shape.size(); ++c) EXPECT_EQ(Operation(steps[i][c]), Operation(shape[c]));
    }
    EXPECT_EQ(bench.Count("movie.AddObject(media)"), 31u);
    EXPECT_EQ(bench.Count("movie.RemoveObject(media)"), 30u);

    const bool shakes = std::string(row.name).ends_with(" -s");
    EXPECT_EQ(bench.random.reseeds, shakes ? 31 : 0);
    for (int bound : bench.random.bounds) EXPECT_EQ(bound, 5);
}

std::string RowName(const ::testing::TestParamInfo<RoutineRow>& info)
{
    std::string out;
    for (char c : std::string(info.param.name)) out += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return out;
}

INSTANTIATE_TEST_SUITE_P(AllNames, PictureRoutineTable, ::testing::ValuesIn(kRoutines), RowName);

TEST(PictureRoutineTable, CoversEveryNameOnce)
{
    EXPECT_EQ(std::size(kRoutines), 93u);
    std::set<std::string> names;
    for (const auto& row : kRoutines) names.insert(row.name);
    EXPECT_EQ(names.size(), 93u);
}

}  // namespace
}  // namespace glimmora::test
