// What a build says about single objects: the errors that end it name the
// object, frames outside the movie leave the object out whatever its kind,
// and content that is not shown by design is noted.

#include "BuilderFixture.h"
#include "document/ConversionError.h"

#include <regex>

namespace glimmora::test {
namespace {

// The object's XML with StartTime and EndTime replaced.
std::string WithFrames(std::string xml, const std::string& start, const std::string& end)
{
    xml = std::regex_replace(xml, std::regex("<StartTime>[^<]*</StartTime>"), "<StartTime>" + start + "</StartTime>");
    return std::regex_replace(xml, std::regex("<EndTime>[^<]*</EndTime>"), "<EndTime>" + end + "</EndTime>");
}

struct OutsideCase {
    const char* what;
    std::string object;  // named "Odd"
    const char* start;
    const char* end;
    const char* message;
};

class FramesOutsideTheMovie : public BuilderTest, public ::testing::WithParamInterface<OutsideCase> {};

TEST_P(FramesOutsideTheMovie, LeaveTheObjectOutAndTheBuildGoesOn)
{
    const OutsideCase& c = GetParam();
    TextFields later;
    later.name = "Later";
    Builder(MovieXml(WithFrames(c.object, c.start, c.end) + TextObjXml(later))).BuildMovie();

    const std::string message = std::string(c.message) + "; the object is left out of the movie";
    EXPECT_EQ(errors.problems, (std::vector<ObjectProblem>{{"Odd", message, {}}}));
    EXPECT_TRUE(Calls("media.").empty()) << "nothing of the object is made";
    EXPECT_EQ(Calls("movie.AddObject(text)").size(), 10u) << "the later text is generated";
    EXPECT_EQ(Calls("movie.WriteMovie").size(), 1u);
}

TextFields OddText()
{
    TextFields text;
    text.name = "Odd";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FramesOutsideTheMovie,
    ::testing::Values(
        OutsideCase{"text start", TextObjXml(OddText()), "-1", "8", "StartTime -1 is before the first frame (0)"},
        OutsideCase{"text end", TextObjXml(OddText()), "0", "-1", "EndTime -1 is before the first frame (0)"},
        OutsideCase{"picture start", PicObjXml("Odd"), "-1", "20", "StartTime -1 is before the first frame (0)"},
        OutsideCase{"picture end", PicObjXml("Odd"), "5", "-3", "EndTime -3 is before the first frame (0)"},
        OutsideCase{"sound start", SoundObjXml("Odd"), "-1", "9", "StartTime -1 is before the first frame (0)"},
        OutsideCase{"beyond the last frame", PicObjXml("Odd"), "5", "70000",
                    "EndTime 70000 is beyond the last frame a movie can have (65534)"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

struct EndingCase {
    std::string object;
    const char* message;  // the whole text of the error
};

class ErrorsThatEndTheBuild : public BuilderTest, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(ErrorsThatEndTheBuild, NameTheObject)
{
    TVuzozUzev& b = Builder(MovieXml(GetParam().object));
    try {
        b.BuildMovie();
        ADD_FAILURE() << "built";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
    EXPECT_TRUE(Calls("movie.WriteMovie").empty());
}

TextFields BlueText()
{
    TextFields text;
    text.fontColor = "blue";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ErrorsThatEndTheBuild,
    ::testing::Values(EndingCase{TextObjXml(BlueText()), "Text_1: FontColor: 'blue' is not a valid integer value"},
                      EndingCase{WithFrames(TextObjXml({}), "NaN", "9"),
                                 "Text_1: StartTime: 'NaN' is not a valid integer value"},
                      EndingCase{WithFrames(PicObjXml("Pic_7"), "", "9"),
                                 "Pic_7: StartTime: '' is not a valid integer value"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(BuilderTest, MovieSettingsTheBuildCannotUseNameTheirElement)
{
    const std::pair<std::string, std::string> cases[] = {
        {"<Width>wide</Width><Height>400</Height><Rate>12</Rate>", "Width: 'wide' is not a valid integer value"},
        {"<Width>550</Width><Height>400</Height><Rate></Rate>", "Rate: '' is not a valid integer value"},
    };
    for (const auto& [size, message] : cases) {
        TVuzozUzev& b = Builder(MovieXml("", "0", size));
        try {
            b.BuildMovie();
            ADD_FAILURE() << size;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

TEST_F(BuilderTest, StageThePlayerCannotShowIsRefusedBeforeAnythingIsMade)
{
    const std::pair<std::string, std::string> cases[] = {
        {"<Width>100000</Width><Height>400</Height>", "Width 100000 is not a movie size"},
        {"<Width>550</Width><Height>32768</Height>", "Height 32768 is not a movie size"},
        {"<Width>-5</Width><Height>400</Height>", "Width -5 is not a movie size"},
    };
    for (const auto& [size, message] : cases) {
        TVuzozUzev& b = Builder(MovieXml(TextObjXml({}), "0", size + "<Rate>12</Rate>"));
        try {
            b.BuildMovie();
            ADD_FAILURE() << size;
        } catch (const std::range_error& e) {
            EXPECT_EQ(std::string(e.what()).rfind(message, 0), 0u) << e.what();
        }
        EXPECT_TRUE(Calls("movie.WriteMovie").empty()) << size;
    }
    Builder(MovieXml("", "0", "<Width>32767</Width><Height>0</Height><Rate>12</Rate>")).BuildMovie();
    EXPECT_EQ(Calls("movie.SetSize"), std::vector<std::string>{"movie.SetSize(655340, 0)"}) << "the largest stage";
}

TEST_F(BuilderTest, PictureProblemNamesTheObjectAndTheReason)
{
    service.Log().failing = {"MakePicture"};
    Builder(MovieXml(PicObjXml("Pic_3"))).BuildMovie();
    EXPECT_EQ(errors.problems, (std::vector<ObjectProblem>{
                                   {"Pic_3", "Sorry, can not use the picture!", "recorded failure of MakePicture"}}));
}

TEST_F(BuilderTest, ContentNotShownByDesignIsNotedNotShownAsAnError)
{
    TextFields longText;
    longText.name = "Long";
    longText.content = std::string(128, 'x');
    TextFields longest;
    longest.name = "Longest";
    longest.content = std::string(127, 'x');
    TextFields unknown;
    unknown.name = "Odd";
    unknown.effect = "Zoom In Up l -r";  // a picture effect
    Builder(MovieXml(TextObjXml(longText) + TextObjXml(longest) + TextObjXml(unknown) +
                     PicObjXml("Pic_1", "C:\\a.bmp", "Come In"))).BuildMovie();
    EXPECT_TRUE(errors.messages.empty()) << "no message box";
    EXPECT_EQ(errors.notes,
              (std::vector<ObjectProblem>{
                  {"Long", "Texts longer than 127 characters are not shown", {}},
                  {"Odd", "The effect \"Zoom In Up l -r\" is not a text effect, so the text is not shown", {}},
                  {"Pic_1", "The effect \"Come In\" is not a picture effect, so the picture is not shown", {}}}));
}

}  // namespace
}  // namespace glimmora::test
