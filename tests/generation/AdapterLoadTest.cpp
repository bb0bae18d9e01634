// LoadFromDocument of the three adapters.

#include "DocumentFixture.h"
#include "document/ConversionError.h"
#include "generation/TFlashPicF.h"
#include "generation/TFlashSoundF.h"
#include "generation/TFlashTextF.h"

namespace glimmora::test {
namespace {

struct ColorCase {
    std::string text;
    int value;
};

class TextFontColor : public DocumentTest, public ::testing::WithParamInterface<ColorCase> {};

TEST_P(TextFontColor, ReadsDecimalAndDollarHexadecimal)
{
    TextFields f;
    f.fontColor = GetParam().text;
    Load(MovieXml(TextObjXml(f)));
    TFlashTextF text;
    text.Document = &root;
    text.LoadFromDocument(0);
    EXPECT_EQ(text.FontColor, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextFontColor,
                         ::testing::Values(ColorCase{"$FF", 255}, ColorCase{"255", 255},
                                           ColorCase{"$FF0000", 0xFF0000}, ColorCase{"16711680", 0xFF0000}));

class UnreadableFontColor : public DocumentTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(UnreadableFontColor, FailsTheLoad)
{
    TextFields f;
    f.fontColor = GetParam();
    Load(MovieXml(TextObjXml(f)));
    TFlashTextF text;
    text.Document = &root;
    EXPECT_THROW(text.LoadFromDocument(0), ConversionError);
}

INSTANTIATE_TEST_SUITE_P(Cases, UnreadableFontColor, ::testing::Values("", "blue", "$", "12px"));

TEST_F(DocumentTest, TextLoadsEveryFieldButItsName)
{
    Load(MovieXml("<Obj><ObjName>Hello</ObjName><StartTime>3</StartTime><EndTime>12</EndTime><Layer>7</Layer>"
                  "<ObjTypeName>Text</ObjTypeName><ObjType><ObjText><Content>\xE4\xB8\xAD\xE6\x96\x87 ok</Content>"
                  "<TextUnit>1</TextUnit><FontName>Serif</FontName><FontSize>24</FontSize><FontColor>$0000FF</FontColor>"
                  "<PositionX>-4</PositionX><PositionY>60</PositionY><EffectName>Sin</EffectName>"
                  "<ExScale>1</ExScale><ExRotate>2</ExRotate><ExShock>3</ExShock><ExColor>4</ExColor>"
                  "<ExAlpha>-255</ExAlpha><ExSpeed>6</ExSpeed></ObjText></ObjType></Obj>"));
    TFlashTextF text;
    text.Document = &root;
    text.LoadFromDocument(0);
    EXPECT_EQ(text.ObjName, "");
    EXPECT_EQ(text.Layer, 7);
    EXPECT_EQ(text.StartTime, 3);
    EXPECT_EQ(text.EndTime, 12);
    EXPECT_EQ(text.Content, U"\u4E2D\u6587 ok");
    EXPECT_EQ(text.FontName, "Serif");
    EXPECT_EQ(text.FontSize, 24);
    EXPECT_EQ(text.FontColor, 255);
    EXPECT_EQ(text.PositionX, -4);
    EXPECT_EQ(text.PositionY, 60);
    EXPECT_EQ(text.EffectName, "Sin");
    EXPECT_EQ(text.TextUnit, 1);
    EXPECT_EQ(text.ExScale, 1);
    EXPECT_EQ(text.ExRotate, 2);
    EXPECT_EQ(text.ExShock, 3);
    EXPECT_EQ(text.ExColor, 4);
    EXPECT_EQ(text.ExAlpha, -255);
    EXPECT_EQ(text.ExSpeed, 6);
}

TEST_F(DocumentTest, PictureLoadsTheMovieSizeAndFindsItsJpegBesideTheProject)
{
    Load(MovieXml(PicObjXml("Pic_7", "C:\\a.bmp", "Zoom In", 5, 20)));
    const std::filesystem::path base = dir / "Holiday";
    GenerationContext context;
    context.basePath = base;
    TFlashPicF pic;
    pic.Document = &root;
    pic.Context = &context;
    pic.LoadFromDocument(0);
    EXPECT_EQ(pic.ObjName, "Pic_7");
    EXPECT_EQ(pic.Layer, 3);
    EXPECT_EQ(pic.StartTime, 5);
    EXPECT_EQ(pic.EndTime, 20);
    EXPECT_EQ(pic.PositionX, 10);
    EXPECT_EQ(pic.PositionY, 20);
    EXPECT_EQ(pic.Width, 100);
    EXPECT_EQ(pic.Height, 50);
    EXPECT_EQ(pic.MovieWidth, 550);
    EXPECT_EQ(pic.MovieHeight, 400);
    EXPECT_EQ(pic.EffectName, "Zoom In");
    EXPECT_EQ(pic.Content, "C:\\a.bmp");
    EXPECT_EQ(pic.JpegPath, (dir / "Pic_7.jpg").string());

    // The editors' adapter has no context: it follows the builder's base path.
    std::filesystem::path builderBase = dir / "sub" / "Other";
    TFlashPicF editorPic;
    editorPic.Document = &root;
    editorPic.BasePath = &builderBase;
    editorPic.LoadFromDocument(0);
    EXPECT_EQ(editorPic.JpegPath, (dir / "sub" / "Pic_7.jpg").string());
}

TEST_F(DocumentTest, SoundLoadsItsNameAndWaveButNotItsFrames)
{
    Load(MovieXml(SoundObjXml("Sound_3", "C:\\tune.mp3")));
    std::filesystem::path base = dir / "Untitled";
    TFlashSoundF sound;
    sound.Document = &root;
    sound.BasePath = &base;
    sound.LoadFromDocument(0);
    EXPECT_EQ(sound.ObjName, "Sound_3");
    EXPECT_EQ(sound.Content, "C:\\tune.mp3");
    EXPECT_EQ(sound.WavePath, (dir / "Sound_3.wav").string());
    EXPECT_EQ(sound.StartTime, 0);  // the document says 5
    EXPECT_EQ(sound.EndTime, 0);    // and 9
}

TEST_F(DocumentTest, GenerateWithoutAGenerationContextIsAClearError)
{
    Load(MovieXml(TextObjXml({})));
    TFlashTextF text;
    text.Document = &root;
    EXPECT_THROW(text.Generate(0), std::logic_error);
}

TEST_F(DocumentTest, LoadingAnIndexPastTheEndIsAnError)
{
    Load(MovieXml(TextObjXml({})));
    TFlashTextF text;
    text.Document = &root;
    EXPECT_THROW(text.LoadFromDocument(1), std::out_of_range);
}

}  // namespace
}  // namespace glimmora::test
