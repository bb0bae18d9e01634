// Creating objects: the unique name scan and the creation values.

#include "DocumentFixture.h"
#include "FakeWindows.h"
#include "generation/TFlashPicF.h"
#include "generation/TFlashSoundF.h"
#include "generation/TFlashTextF.h"

namespace glimmora::test {
namespace {

struct Existing {
    std::string name;
    std::string kind;
};

std::string BareObj(const Existing& e)
{
    return "<Obj><ObjName>" + e.name + "</ObjName><ObjTypeName>" + e.kind + "</ObjTypeName></Obj>";
}

struct NameCase {
    const char* what;
    std::vector<Existing> objects;
    std::string kind;
    std::string expected;
};

class UniqueName : public DocumentTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(UniqueName, FindsTheNameTheScanEndsWith)
{
    std::string objects;
    for (const Existing& e : GetParam().objects) objects += BareObj(e);
    Load(MovieXml(objects));
    TFlashTextF text;
    TFlashPicF pic;
    TFlashSoundF sound;
    TFlashObj& adapter = GetParam().kind == "Text" ? static_cast<TFlashObj&>(text)
                         : GetParam().kind == "Pic" ? static_cast<TFlashObj&>(pic)
                                                    : static_cast<TFlashObj&>(sound);
    adapter.Document = &root;
    adapter.TFlashObj::AddNew(0);
    EXPECT_EQ(adapter.ObjName, GetParam().expected) << GetParam().what;
    EXPECT_EQ(root.Obj().Count(), int(GetParam().objects.size())) << "the base scan creates nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UniqueName,
    ::testing::Values(
        NameCase{"empty movie", {}, "Text", "Text_1"},
        NameCase{"after two", {{"Text_1", "Text"}, {"Text_2", "Text"}}, "Text", "Text_3"},
        NameCase{"a gap", {{"Text_1", "Text"}, {"Text_3", "Text"}}, "Text", "Text_2"},
        NameCase{"only the second", {{"Text_2", "Text"}}, "Text", "Text_1"},
        NameCase{"other kinds do not count", {{"Pic_1", "Pic"}, {"Sound_1", "Sound"}}, "Text", "Text_1"},
        NameCase{"names compared with case", {{"text_1", "Text"}}, "Text", "Text_1"},
        NameCase{"pictures", {{"Pic_1", "Pic"}, {"Text_1", "Text"}}, "Pic", "Pic_2"},
        NameCase{"sounds", {{"Sound_1", "Sound"}}, "Sound", "Sound_2"},
        // A picture named Text_1 and no text: the scan would propose Text_1
        // forever; it counts up instead.
        NameCase{"clash without texts", {{"Text_1", "Pic"}}, "Text", "Text_2"},
        NameCase{"clash counting up past used names", {{"Text_1", "Pic"}, {"Text_2", "Sound"}}, "Text", "Text_3"},
        // Text_1 -> Text_2 -> Text_1 would cycle between two names.
        NameCase{"two-name cycle", {{"Text_2", "Pic"}, {"Text_1", "Text"}}, "Text", "Text_3"}));

TEST_F(DocumentTest, InsertingThreeTextsThenReplacingTheSecond)
{
    Load(MovieXml());
    TFlashTextF text;
    text.Document = &root;
    for (int i = 0; i < 3; ++i) text.AddNew(0);
    ASSERT_EQ(root.Obj().Count(), 3);
    EXPECT_EQ(root.Obj().Items(0).ObjName(), "Text_1");
    EXPECT_EQ(root.Obj().Items(1).ObjName(), "Text_2");
    EXPECT_EQ(root.Obj().Items(2).ObjName(), "Text_3");
    root.Obj().Delete(1);
    text.AddNew(0);
    EXPECT_EQ(text.ObjName, "Text_2");
    EXPECT_EQ(root.Obj().Items(2).ObjName(), "Text_2");
}

TEST_F(DocumentTest, NewTextCarriesTheCreationValuesInOrder)
{
    Load(MovieXml());
    FakeObjectList list;
    TFlashTextF text;
    text.Document = &root;
    text.ObjectList = &list;
    text.AddNew(30);
    EXPECT_EQ(ObjXml(0),
              "<Obj><ObjName>Text_1</ObjName><StartTime>30</StartTime><EndTime>39</EndTime><Layer>2</Layer>"
              "<ObjTypeName>Text</ObjTypeName><ObjType><ObjText><Content></Content><TextUnit>1</TextUnit>"
              "<FontName>Microsoft Sans Serif</FontName><FontSize>18</FontSize><FontColor>$FF0000</FontColor>"
              "<PositionX>50</PositionX><PositionY>50</PositionY><EffectName>-- None --</EffectName>"
              "<EffectValue></EffectValue><ExScale>0</ExScale><ExRotate>0</ExRotate><ExShock>0</ExShock>"
              "<ExColor>0</ExColor><ExAlpha>0</ExAlpha><ExSpeed>9</ExSpeed></ObjText></ObjType></Obj>");
    EXPECT_EQ(list.log, (std::vector<std::string>{"AppendNode(Text_1)", "SelectLastNode()"}));
}

TEST_F(DocumentTest, NewPictureCarriesTheCreationValuesInOrder)
{
    Load(MovieXml(BareObj({"Text_1", "Text"})));
    TFlashPicF pic;
    pic.Document = &root;
    pic.AddNew(30);
    EXPECT_EQ(ObjXml(1),
              "<Obj><ObjName>Pic_1</ObjName><StartTime>30</StartTime><EndTime>54</EndTime><Layer>2</Layer>"
              "<ObjTypeName>Pic</ObjTypeName><ObjType><ObjPic><Content></Content><PositionX>0</PositionX>"
              "<PositionY>0</PositionY><Width>0</Width><Height>0</Height><EffectName>-- None --</EffectName>"
              "</ObjPic></ObjType></Obj>");
}

TEST_F(DocumentTest, NewSoundStartsAtFrameZeroWhateverTheCurrentFrame)
{
    Load(MovieXml());
    FakeObjectList list;
    TFlashSoundF sound;
    sound.Document = &root;
    sound.ObjectList = &list;
    sound.AddNew(30);
    EXPECT_EQ(ObjXml(0),
              "<Obj><ObjName>Sound_1</ObjName><StartTime>0</StartTime><EndTime>1</EndTime><Layer>2</Layer>"
              "<ObjTypeName>Sound</ObjTypeName><ObjType><ObjSound><Content></Content></ObjSound></ObjType></Obj>");
    EXPECT_EQ(list.log, (std::vector<std::string>{"AppendNode(Sound_1)", "SelectLastNode()"}));
}

TEST_F(DocumentTest, AddNewWithoutADocumentIsAClearError)
{
    TFlashTextF text;
    EXPECT_THROW(text.AddNew(0), std::runtime_error);
}

}  // namespace
}  // namespace glimmora::test
