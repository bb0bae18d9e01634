// BuildMovie: the movie's own settings, the order of the objects, the errors
// that stop a build and the preview around it.

#include "BuilderFixture.h"
#include "document/ConversionError.h"
#include "objects/DocumentAccess.h"
#include "swf/encoder/EncoderService.h"

namespace glimmora::test {
namespace {

struct BackgroundCase {
    const char* bgColor;
    const char* rgb;
};

class BuildBackground : public BuilderTest, public ::testing::WithParamInterface<BackgroundCase> {};

TEST_P(BuildBackground, SizeRateFrameAndColourComeFirst)
{
    Builder(MovieXml("", GetParam().bgColor)).BuildMovie();
    const std::vector<std::string> expected = {
        "movie.SetSize(11000, 8000)",
        "movie.SetFrameRate(12)",
        "movie.GotoFrame(0)",
        std::string("movie.SetFrameBkColor(") + GetParam().rgb + ")",
        "movie.WriteMovie(\"" + WorkingMovie() + "\")",
    };
    EXPECT_EQ(Calls(), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, BuildBackground,
                         ::testing::Values(BackgroundCase{"16777215", "255, 255, 255"},
                                           BackgroundCase{"$FF", "255, 0, 0"},  // 255 in hexadecimal: red
                                           BackgroundCase{"255", "255, 0, 0"},
                                           BackgroundCase{"$FF0000", "0, 0, 255"},
                                           BackgroundCase{"65280", "0, 255, 0"}));

struct BrokenMovieCase {
    const char* what;
    std::string bgColor;
    std::string size;
    std::vector<std::string> callsBeforeTheError;
};

class BrokenMovie : public BuilderTest, public ::testing::WithParamInterface<BrokenMovieCase> {};

TEST_P(BrokenMovie, StopsTheBuildWithoutWriting)
{
    TVuzozUzev& b = Builder(MovieXml(TextObjXml({}), GetParam().bgColor, GetParam().size));
    EXPECT_THROW(b.BuildMovie(), ConversionError) << GetParam().what;
    EXPECT_EQ(Calls(), GetParam().callsBeforeTheError) << GetParam().what;
    EXPECT_TRUE(mainWindow.log.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenMovie,
    ::testing::Values(
        BrokenMovieCase{"missing Width", "16777215", "<Height>400</Height><Rate>12</Rate>", {}},
        BrokenMovieCase{"empty Height", "16777215", "<Width>550</Width><Height></Height><Rate>12</Rate>", {}},
        BrokenMovieCase{"non-integer Rate", "16777215", "<Width>550</Width><Height>400</Height><Rate>12.5</Rate>",
                        {"movie.SetSize(11000, 8000)"}},
        BrokenMovieCase{"unreadable BgColor", "white", "<Width>550</Width><Height>400</Height><Rate>12</Rate>",
                        {"movie.SetSize(11000, 8000)", "movie.SetFrameRate(12)", "movie.GotoFrame(0)"}},
        BrokenMovieCase{"empty BgColor", "", "<Width>550</Width><Height>400</Height><Rate>12</Rate>",
                        {"movie.SetSize(11000, 8000)", "movie.SetFrameRate(12)", "movie.GotoFrame(0)"}}));

TEST_F(BuilderTest, SizeBeyondTheTwipRangeIsAClearError)
{
    TVuzozUzev& b = Builder(MovieXml("", "0", "<Width>200000000</Width><Height>400</Height><Rate>12</Rate>"));
    EXPECT_THROW(b.BuildMovie(), std::range_error);
    EXPECT_TRUE(Calls("movie.WriteMovie").empty());
}

TEST_F(BuilderTest, UnreadableFontColorOfTheFirstTextProducesNoMovie)
{
    TextFields broken;
    broken.fontColor = "blue";
    TextFields good;
    good.name = "Text_2";
    TVuzozUzev& b = Builder(MovieXml(TextObjXml(broken) + TextObjXml(good) + SoundObjXml("Sound_1")));
    EXPECT_THROW(b.BuildMovie(), ConversionError);
    EXPECT_TRUE(Calls("movie.WriteMovie").empty());
    EXPECT_TRUE(Calls("movie.AddObject").empty());  // the later objects are not generated
    EXPECT_TRUE(mainWindow.log.empty());
}

TEST_F(BuilderTest, FailingPictureLetsTheLaterObjectsGenerate)
{
    service.Log().failing = {"MakePicture"};
    TVuzozUzev& b = Builder(MovieXml(PicObjXml("Pic_1") + TextObjXml({})));
    b.BuildMovie();
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Sorry, can not use the picture!"});
    EXPECT_EQ(Calls("movie.AddObject(text)").size(), 10u);
    EXPECT_EQ(Calls("movie.WriteMovie").size(), 1u);
}

TEST_F(BuilderTest, KindsAreComparedWithLetterCase)
{
    TextFields lower;
    lower.kind = "text";
    TextFields other;
    other.kind = "Shape";
    Builder(MovieXml(TextObjXml(lower) + TextObjXml(other))).BuildMovie();
    const auto& calls = Calls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[4], "movie.WriteMovie(\"" + WorkingMovie() + "\")");
}

TEST_F(BuilderTest, ObjectsAreGeneratedInDocumentOrderWithTheirMediaBesideTheProject)
{
    TVuzozUzev& b = Builder(MovieXml(SoundObjXml("Sound_1") + PicObjXml("Pic_1") + TextObjXml({})));
    b.BasePath = dir / "Holiday";
    b.BuildMovie();
    const auto& calls = Calls();
    ASSERT_GT(calls.size(), 13u);
    const std::string wave = (dir / "Sound_1.wav").string();
    const std::string jpeg = (dir / "Pic_1.jpg").string();
    // The sound: its frames are not loaded, so it is added and removed at 0.
    const std::vector<std::string> sound = {
        "media.MakeSound(\"" + wave + "\")", "movie.GotoFrame(0)", "movie.AddObject(media)", "movie.GotoFrame(0)",
        "movie.RemoveObject(media)"};
    EXPECT_EQ(std::vector<std::string>(calls.begin() + 4, calls.begin() + 9), sound);
    EXPECT_EQ(calls[9], "media.MakePicture(200, 400, 2200, 1400, 100, 50, \"" + jpeg + "\")");
    EXPECT_EQ(calls[10], "media.SetDepth(1)");
    EXPECT_EQ(calls[11], "movie.GotoFrame(5)");
    EXPECT_EQ(calls[12], "movie.AddObject(media)");
    EXPECT_EQ(calls[13], "movie.GotoFrame(20)");
    EXPECT_EQ(calls[14], "movie.RemoveObject(media)");
    EXPECT_EQ(calls[15], "font.MakeFont(\"Sans\")");
    // A saved project still builds into the working movie.
    EXPECT_EQ(calls.back(), "movie.WriteMovie(\"" + WorkingMovie() + "\")");
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(BuilderTest, TwoTextsEachGetTheirOwnPlacements)
{
    TextFields second;
    second.name = "Text_2";
    second.start = 20;
    Builder(MovieXml(TextObjXml({}) + TextObjXml(second))).BuildMovie();
    // Each text's final removal takes away its own last placement only.
    std::vector<std::string> frames;
    for (const auto& call : Calls("movie.GotoFrame")) frames.push_back(call);
    ASSERT_EQ(frames.size(), 21u);
    EXPECT_EQ(frames[10], "movie.GotoFrame(9)");
    EXPECT_EQ(frames[11], "movie.GotoFrame(20)");
    EXPECT_EQ(Calls("movie.AddObject(text)").size(), 20u);
    EXPECT_EQ(Calls("movie.RemoveObject(text)").size(), 20u);
}

TEST_F(BuilderTest, ExportWritesTheChosenFileAndShowsIt)
{
    const std::string target = (dir / "export.swf").string();
    Builder(MovieXml()).BuildMovie(target);
    EXPECT_EQ(Calls().back(), "movie.WriteMovie(\"" + target + "\")");
    EXPECT_EQ(mainWindow.log, std::vector<std::string>{"LoadPreview(" + target + ")"});
}

TEST_F(BuilderTest, ThePreviewGetsTheWrittenBytesWithTheFileName)
{
    // Over the recording service there are no bytes: the preview reads the file.
    Builder(MovieXml(TextObjXml({}))).BuildMovie();
    EXPECT_EQ(mainWindow.writtenBytes, std::vector<size_t>{0});

    // Over the encoder the preview is handed exactly what went into the file.
    auto encoder = MakeEncoderService();
    BuilderHooks hooks;
    hooks.mainWindow = &mainWindow;
    TVuzozUzev real(*encoder, errors, random, hooks);
    real.SetDocument(&root);
    real.WorkingMovie = dir / "real.swf";
    mainWindow.log.clear();
    mainWindow.writtenBytes.clear();
    real.BuildMovie();
    ASSERT_EQ(mainWindow.log, std::vector<std::string>{"LoadPreview(" + real.WorkingMovie.string() + ")"});
    EXPECT_GT(mainWindow.writtenBytes.at(0), 20u);
    EXPECT_EQ(mainWindow.writtenBytes.at(0), std::filesystem::file_size(real.WorkingMovie));
}

struct PreviewCase {
    bool playing;
    bool loopPlayback;
    std::vector<std::string> mainWindowLog;
};

class PreviewAroundBuild : public BuilderTest, public ::testing::WithParamInterface<PreviewCase> {};

TEST_P(PreviewAroundBuild, ReturnsToTheFrameAndPlaysOnIfItWasPlaying)
{
    TVuzozUzev& b = Builder(MovieXml(TextObjXml({})));
    preview.playing = GetParam().playing;
    preview.frame = 40;
    GlobalVars().LoopPlayback = GetParam().loopPlayback;
    b.BuildMovie();
    std::vector<std::string> expected = {"LoadPreview(" + WorkingMovie() + ")"};
    expected.insert(expected.end(), GetParam().mainWindowLog.begin(), GetParam().mainWindowLog.end());
    EXPECT_EQ(mainWindow.log, expected);
    EXPECT_EQ(preview.log, std::vector<std::string>{"SetFrameNum(40)"});
    EXPECT_EQ(GlobalVars().WasPlaying, GetParam().playing);
}

INSTANTIATE_TEST_SUITE_P(Cases, PreviewAroundBuild,
                         ::testing::Values(PreviewCase{true, true, {"PlayPreview(true)"}},
                                           PreviewCase{true, false, {"PlayPreview(false)"}},
                                           PreviewCase{false, true, {}}));

struct EditedObjectCase {
    const char* name;
    int remembered;  // the frame the preview stood on
    int start, end;  // the edited object's StartTime and EndTime
    int shown;       // the frame the preview shows after the build
};

class PreviewAfterAnEdit : public BuilderTest, public ::testing::WithParamInterface<EditedObjectCase> {};

TEST_P(PreviewAfterAnEdit, ShowsAFrameOfTheEditedObject)
{
    TVuzozUzev& b = Builder(MovieXml(TextObjXml({})));
    preview.frame = GetParam().remembered;
    TFlashTextF edited;
    edited.StartTime = GetParam().start;
    edited.EndTime = GetParam().end;
    b.BuildMovieShowing(edited);
    EXPECT_EQ(preview.log, std::vector<std::string>{"SetFrameNum(" + std::to_string(GetParam().shown) + ")"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PreviewAfterAnEdit,
    ::testing::Values(EditedObjectCase{"rememberedFrameShowsIt", 14, 10, 19, 14},
                      EditedObjectCase{"onItsStartFrame", 10, 10, 19, 10},
                      EditedObjectCase{"onItsLastFrame", 18, 10, 19, 18},
                      EditedObjectCase{"atTheEndOfTheMovieAfterIt", 72, 10, 19, 10},
                      EditedObjectCase{"onItsEndFrameWhereItIsGone", 19, 10, 19, 10},
                      EditedObjectCase{"beforeIt", 3, 10, 19, 10},
                      EditedObjectCase{"noLongerThanItsStart", 40, 30, 30, 30}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BuilderTest, FailedWriteLeavesThePreviewAlone)
{
    service.Log().failing = {"WriteMovie"};
    TVuzozUzev& b = Builder(MovieXml());
    EXPECT_THROW(b.BuildMovie(), SwfError);
    EXPECT_TRUE(mainWindow.log.empty());
    EXPECT_TRUE(preview.log.empty());
}

TEST_F(BuilderTest, BuildsHeadlessWithoutAnyWindow)
{
    Load(MovieXml(TextObjXml({})));
    TVuzozUzev headless(service, errors, random);
    headless.SetDocument(&root);
    headless.BuildMovie();
    EXPECT_EQ(Calls("movie.WriteMovie").size(), 1u);
}

TEST_F(BuilderTest, BuildWithoutADocumentIsAClearError)
{
    TVuzozUzev unbound(service, errors, random);
    EXPECT_THROW(unbound.BuildMovie(), NoDocumentError);
    EXPECT_TRUE(Calls().empty());
}

TEST_F(BuilderTest, PathsStartAtTheUntitledBase)
{
    TVuzozUzev& b = Builder(MovieXml());
    EXPECT_EQ(b.BasePath, dir / "Untitled");
    EXPECT_EQ(b.WorkingProject, dir / "Untitled.gmr");
    EXPECT_EQ(b.WorkingMovie, dir / "Untitled.swf");
}

}  // namespace
}  // namespace glimmora::test
