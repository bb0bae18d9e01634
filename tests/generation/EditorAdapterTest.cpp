// ShowInEditor and StoreFromEditor of the three adapters, against fake windows.

#include "DocumentFixture.h"
#include "FakeWindows.h"
#include "generation/TFlashPicF.h"
#include "generation/TFlashSoundF.h"
#include "generation/TFlashTextF.h"

namespace glimmora::test {
namespace {

class TextEditorTest : public DocumentTest {
protected:
    void SetUpAdapter(const std::string& objects)
    {
        Load(MovieXml(objects));
        text.Document = &root;
        text.Editor = &editor;
        text.EffectWindow = &effects;
        text.ObjectList = &list;
    }
    TFlashTextF text;
    FakeTextEditor editor;
    FakeTextEffectWindow effects;
    FakeObjectList list;
};

TEST_F(TextEditorTest, ShowFillsTheEditorAndEffectWindowUnderTheLoadingFlag)
{
    TextFields f;
    f.effect = "Sin";
    f.start = 4;
    f.fontColor = "$0000FF";
    SetUpAdapter(TextObjXml(f));
    text.ShowInEditor(0);
    EXPECT_EQ(editor.content, "Hi");
    EXPECT_TRUE(editor.loadingSeen);
    EXPECT_FALSE(GlobalVars().LoadingTextEditor);
    EXPECT_EQ(editor.begin, 5);
    EXPECT_EQ(editor.end, 14);
    EXPECT_EQ(editor.fonts.index, 1);    // "Sans"
    EXPECT_EQ(editor.sizes.index, 4);    // "18"
    EXPECT_EQ(editor.effects.index, 3);  // "Sin"
    EXPECT_EQ(editor.color, 255);
    EXPECT_EQ(editor.x, 50);
    EXPECT_EQ(editor.y, 50);
    EXPECT_EQ(effects.values[5], 9);
}

TEST_F(TextEditorTest, ValuesOutsideTheListsShowAsTheFirstEntryAndStoreAsIt)
{
    TextFields f;
    f.effect = "Zoom In";
    SetUpAdapter(TextObjXml(f));
    root.Obj().Items(0).ObjType().ObjText().SetFontSize(13);
    text.ShowInEditor(0);
    EXPECT_EQ(editor.sizes.index, 0);
    EXPECT_EQ(editor.effects.index, 0);
    list.selected = "Text_1";
    text.StoreFromEditor();
    const IXMLObjText stored = root.Obj().Items(0).ObjType().ObjText();
    EXPECT_EQ(stored.FontSize(), 8);
    EXPECT_EQ(stored.EffectName(), "-- None --");
}

TEST_F(TextEditorTest, StoreWritesEveryFieldWithTheColourInDecimal)
{
    SetUpAdapter(TextObjXml({}));
    text.ShowInEditor(0);
    editor.content = "\xE4\xB8\xAD";
    editor.begin = 11;
    editor.end = 31;
    editor.x = 7;
    editor.y = 8;
    editor.fonts.index = 2;
    editor.sizes.index = 5;
    editor.effects.index = 1;
    editor.color = 0xFF0000;
    int values[6] = {1, 2, 3, 4, 5, 6};
    std::copy(values, values + 6, effects.values);
    list.selected = "Text_1";
    text.StoreFromEditor();
    EXPECT_EQ(ObjXml(0),
              "<Obj><ObjName>Text_1</ObjName><StartTime>10</StartTime><EndTime>30</EndTime><Layer>2</Layer>"
              "<ObjTypeName>Text</ObjTypeName><ObjType><ObjText><Content>\xE4\xB8\xAD</Content><TextUnit>1</TextUnit>"
              "<FontName>Serif</FontName><FontSize>72</FontSize><FontColor>16711680</FontColor>"
              "<PositionX>7</PositionX><PositionY>8</PositionY><EffectName>Come In</EffectName>"
              "<EffectValue></EffectValue><ExScale>1</ExScale><ExRotate>2</ExRotate><ExShock>3</ExShock>"
              "<ExColor>4</ExColor><ExAlpha>5</ExAlpha><ExSpeed>6</ExSpeed></ObjText></ObjType></Obj>");
}

TEST_F(TextEditorTest, AFontSizeEntryThatIsNoIntegerKeepsTheSize)
{
    SetUpAdapter(TextObjXml({}));
    text.ShowInEditor(0);
    editor.sizes.entries[4] = "big";
    list.selected = "Text_1";
    text.StoreFromEditor();
    EXPECT_EQ(root.Obj().Items(0).ObjType().ObjText().FontSize(), 18);
}

struct NoTargetCase {
    const char* what;
    std::optional<std::string> selected;
};

class TextStoreWithoutTarget : public TextEditorTest, public ::testing::WithParamInterface<NoTargetCase> {};

TEST_P(TextStoreWithoutTarget, ChangesNothing)
{
    SetUpAdapter(TextObjXml({}) + PicObjXml("Pic_1"));
    text.ShowInEditor(0);
    editor.content = "changed";
    editor.color = 1;
    list.selected = GetParam().selected;
    const std::string before = RootXml();
    text.StoreFromEditor();
    EXPECT_EQ(RootXml(), before) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Cases, TextStoreWithoutTarget,
                         ::testing::Values(NoTargetCase{"a picture is selected", "Pic_1"},
                                           NoTargetCase{"nothing is selected", std::nullopt},
                                           NoTargetCase{"an unknown name is selected", "Text_9"}));

TEST_F(TextEditorTest, StoreGoesToTheFirstObjectOfTheSelectedName)
{
    TextFields second;
    second.name = "Pic_1";
    SetUpAdapter(TextObjXml({}) + PicObjXml("Pic_1") + TextObjXml(second));
    text.ShowInEditor(0);
    list.selected = "Pic_1";
    const std::string before = RootXml();
    text.StoreFromEditor();
    // The first Pic_1 is a picture: the search ends there.
    EXPECT_EQ(RootXml(), before);
}

TEST_F(DocumentTest, PictureShowLoadsItsJpegAndKeepsTheOldImageWhenThatFails)
{
    Load(MovieXml(PicObjXml("Pic_1") + PicObjXml("Pic_2", "")));
    std::filesystem::path base = dir / "Untitled";
    FakePicEditor editor;
    TFlashPicF pic;
    pic.Document = &root;
    pic.BasePath = &base;
    pic.Editor = &editor;

    pic.ShowInEditor(0);
    EXPECT_EQ(editor.image, (dir / "Pic_1.jpg").string());
    EXPECT_TRUE(editor.loadingSeen);
    EXPECT_FALSE(GlobalVars().LoadingPicEditor);
    EXPECT_EQ(editor.x, 10);
    EXPECT_EQ(editor.y, 20);
    EXPECT_EQ(editor.width, 100);
    EXPECT_EQ(editor.height, 50);
    EXPECT_EQ(editor.begin, 6);
    EXPECT_EQ(editor.end, 21);
    EXPECT_EQ(editor.effects.index, 0);

    editor.image = "previous.jpg";
    editor.failLoad = true;
    pic.ShowInEditor(0);
    EXPECT_EQ(editor.image, "previous.jpg");
    EXPECT_EQ(editor.width, 100);  // the fill goes on

    pic.ShowInEditor(1);  // empty Content: the image is cleared
    EXPECT_EQ(editor.image, "");
}

TEST_F(DocumentTest, PictureStoreWritesTheEditorIntoTheSelectedPicture)
{
    Load(MovieXml(TextObjXml({}) + PicObjXml("Pic_1")));
    FakePicEditor editor;
    FakeObjectList list;
    TFlashPicF pic;
    pic.Document = &root;
    pic.Editor = &editor;
    pic.ObjectList = &list;
    pic.ShowInEditor(1);
    editor.x = 1;
    editor.y = 2;
    editor.width = 30;
    editor.height = 40;
    editor.begin = 1;
    editor.end = 100;
    editor.effects.index = 2;
    pic.Content = "D:\\new.jpg";  // as the picture import sets it
    list.selected = "Pic_1";
    pic.StoreFromEditor();
    EXPECT_EQ(ObjXml(1),
              "<Obj><ObjName>Pic_1</ObjName><StartTime>0</StartTime><EndTime>99</EndTime><Layer>3</Layer>"
              "<ObjTypeName>Pic</ObjTypeName><ObjType><ObjPic><Content>D:\\new.jpg</Content><PositionX>1</PositionX>"
              "<PositionY>2</PositionY><Width>30</Width><Height>40</Height><EffectName>Move Up</EffectName>"
              "</ObjPic></ObjType></Obj>");

    list.selected = "Text_1";
    const std::string before = RootXml();
    pic.StoreFromEditor();
    EXPECT_EQ(RootXml(), before);
}

TEST_F(DocumentTest, SoundShowAndStoreCarryTheFileName)
{
    Load(MovieXml(SoundObjXml("Sound_1", "a.wav") + TextObjXml({})));
    FakeSoundEditor editor;
    FakeObjectList list;
    TFlashSoundF sound;
    sound.Document = &root;
    sound.Editor = &editor;
    sound.ObjectList = &list;
    sound.ShowInEditor(0);
    EXPECT_EQ(editor.content, "a.wav");
    EXPECT_TRUE(editor.loadingSeen);
    EXPECT_FALSE(GlobalVars().LoadingSoundEditor);

    editor.content = "b.wav";
    sound.StoreFromEditor();  // nothing selected: the adapter only
    EXPECT_EQ(sound.Content, "b.wav");
    EXPECT_EQ(root.Obj().Items(0).ObjType().ObjSound().Content(), "a.wav");

    list.selected = "Text_1";
    sound.StoreFromEditor();
    EXPECT_EQ(root.Obj().Items(0).ObjType().ObjSound().Content(), "a.wav");

    list.selected = "Sound_1";
    sound.StoreFromEditor();
    EXPECT_EQ(root.Obj().Items(0).ObjType().ObjSound().Content(), "b.wav");
}

}  // namespace
}  // namespace glimmora::test
