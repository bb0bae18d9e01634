// Undo steps are named after what changed between two document states.
#include "document/DocumentChange.h"

#include "support/ProjectFixtures.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

const std::string kA = StaticTextXml("A", "Hi", 20, 30);
const std::string kB = StaticTextXml("B", "Ho", 40, 50);
const std::string kP = StaticPictureXml("P", 1, 2, 40, 20);
const std::string kBefore = MovieXml(kA + kB + kP);

struct ChangeCase {
    const char* label;
    std::string after;
    DocumentChange expected;
};

class DescribeChangeTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(DescribeChangeTest, NamesTheStepAndItsObject)
{
    const DocumentChange change = DescribeChange(kBefore, GetParam().after);
    EXPECT_EQ(change.name, GetParam().expected.name);
    EXPECT_EQ(change.objectBefore, GetParam().expected.objectBefore);
    EXPECT_EQ(change.objectAfter, GetParam().expected.objectAfter);
    EXPECT_EQ(change.mergeable, GetParam().expected.mergeable);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, DescribeChangeTest,
    ::testing::Values(
        ChangeCase{"insert", MovieXml(kA + kB + kP + StaticTextXml("C", "x", 0, 0)), {"Insert C", "", "C", false}},
        ChangeCase{"insertBetween", MovieXml(kA + StaticTextXml("A", "x", 0, 0) + kB + kP), {"Insert A", "", "A", false}},
        ChangeCase{"insertTwo", MovieXml(kA + kB + kP + kA + kB), {"Insert 2 Objects", "", "", false}},
        ChangeCase{"delete", MovieXml(kA + kP), {"Delete B", "B", "", false}},
        ChangeCase{"rename", MovieXml(Replaced(kA, "<ObjName>A<", "<ObjName>Z<") + kB + kP), {"Rename A", "A", "Z", false}},
        ChangeCase{"move", MovieXml(Replaced(kA, ">20<", ">25<") + kB + kP), {"Move A", "A", "A", true}},
        ChangeCase{"resize", MovieXml(kA + kB + Replaced(kP, ">40<", ">80<")), {"Resize P", "P", "P", true}},
        ChangeCase{"inTime", MovieXml(kA + Replaced(Replaced(kB, "<StartTime>0<", "<StartTime>5<"), "<EndTime>9<",
                                                  "<EndTime>14<") + kP),
                   {"Move B in Time", "B", "B", true}},
        ChangeCase{"frames", MovieXml(kA + Replaced(kB, "<EndTime>9<", "<EndTime>20<") + kP),
                   {"Change Frames of B", "B", "B", true}},
        ChangeCase{"layer", MovieXml(Replaced(kA, "<Layer>2<", "<Layer>0<") + kB + kP), {"Reorder A", "A", "A", false}},
        ChangeCase{"typing", MovieXml(Replaced(kA, ">Hi<", ">Hix<") + kB + kP), {"Typing in A", "A", "A", true}},
        ChangeCase{"typingEmpties", MovieXml(Replaced(kA, ">Hi<", "><") + kB + kP), {"Typing in A", "A", "A", true}},
        ChangeCase{"picture", MovieXml(kA + kB + Replaced(kP, "chosen.bmp", "new.png")),
                   {"Change Picture of P", "P", "P", false}},
        ChangeCase{"effect", MovieXml(kA + Replaced(kB, "-- None --", "Come In") + kP), {"Change Effect of B", "B", "B", true}},
        ChangeCase{"font", MovieXml(Replaced(kA, "<FontColor>255<", "<FontColor>0<") + kB + kP),
                   {"Change Font of A", "A", "A", true}},
        ChangeCase{"twoObjects", MovieXml(Replaced(kA, ">20<", ">21<") + Replaced(kB, ">40<", ">41<") + kP),
                   {"Change 2 Objects", "", "", false}},
        ChangeCase{"background", Replaced(kBefore, "<Rate>12<", "<Rate>24<"), {"Change Movie Properties", "", "", true}},
        ChangeCase{"loop", Replaced(kBefore, "</Movie>", "<Loop>False</Loop></Movie>"), {"Change Loop", "", "", true}},
        ChangeCase{"frameCountOnly", Replaced(kBefore, "</Movie>", "<TotalFrames>10</TotalFrames></Movie>"), {}},
        ChangeCase{"same", kBefore, {}}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace glimmora::test
