// The text editor and its effect window over a real builder: storing on every
// change, the end-frame rules, the effect defaults and the loading flag.

#include "EditorFixture.h"

#include "widgets/SliderBar.h"
#include "widgets/SpinEdit.h"
#include "workspace/TTextExForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace glimmora::test {
namespace {

class TextEditorTest : public EditorTest {
protected:
    void SetUp() override
    {
        Open(MovieXml(TextXml("Text_1", "18", "-- None --", 0, 9, 9) + PicXml("Pic_1")));
        ShowText(0);
    }
    template <typename T>
    T& Child(const char* name)
    {
        T* child = text->findChild<T*>(name);
        if (!child) throw std::logic_error(std::string("no control ") + name);
        return *child;
    }
    SpinEdit& Spin(const char* name) { return Child<SpinEdit>(name); }
    TTextExForm& Ex() { return text->EffectWindow(); }
};

TEST_F(TextEditorTest, ShowingAnObjectFillsTheEditorWithoutStoringOrBuilding)
{
    EXPECT_EQ(Child<QLineEdit>("Content").text(), "Hi");
    EXPECT_EQ(Spin("EditBegin").value(), 1);
    EXPECT_EQ(Spin("EditEnd").value(), 10);
    EXPECT_EQ(Spin("PositionX").value(), 50);
    EXPECT_EQ(Spin("PositionY").value(), 60);
    EXPECT_EQ(Child<QComboBox>("FontSize").currentText(), "18");
    EXPECT_EQ(Child<QComboBox>("FontName").currentText(), "DejaVu Sans");
    EXPECT_EQ(text->FontColor(), 0xFF0000);
    EXPECT_EQ(Ex().ExSpeed(), 9);
    EXPECT_EQ(Builds(), 0);
    EXPECT_EQ(Field(0, "ObjType/ObjText/FontColor"), "$FF0000");  // not written back
    EXPECT_FALSE(GlobalVars().LoadingTextEditor);
}

TEST_F(TextEditorTest, EveryKeystrokeInTheTextStoresAndBuilds)
{
    QTest::keyClicks(&Child<QLineEdit>("Content"), "ab");
    EXPECT_GE(Builds(), 2);
    EXPECT_EQ(Field(0, "ObjType/ObjText/Content"), "Hiab");
    EXPECT_EQ(Field(0, "ObjType/ObjText/FontColor"), "16711680");  // decimal after any store
    EXPECT_EQ(Field(0, "ObjType/ObjText/TextUnit"), "1");
    EXPECT_EQ(Field(0, "ObjType/ObjText/EffectValue"), "7");  // never written
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(TextEditorTest, LoadingFlagSilencesEveryGuardedChange)
{
    GlobalVars().LoadingTextEditor = true;
    text->SetContent("Other");
    text->SetEditBegin(30);
    text->SetEditEnd(2);
    text->SetPositionX(5);
    text->SetFontColor(0x00FF00);
    text->FontSize().SetItemIndex(3);
    text->EffectName().SetItemIndex(2);
    Ex().Slider(0).setValue(4);
    Ex().Slider(5).setValue(40);
    GlobalVars().LoadingTextEditor = false;
    EXPECT_EQ(Builds(), 0);
    EXPECT_EQ(Field(0, "ObjType/ObjText/Content"), "Hi");
    EXPECT_EQ(Ex().ExScale(), 0);  // the slider did not copy into the spin edit
    EXPECT_EQ(Spin("EditEnd").value(), 2);  // no end-frame rule either
}

struct EndFrameCase {
    const char* what;
    int begin;          // typed into EditBegin first (0: leave)
    int end;            // then typed into EditEnd (0: leave)
    int expectEnd;      // shown
    int expectSpeed;
};

class EndFrameRules : public TextEditorTest, public ::testing::WithParamInterface<EndFrameCase> {};

TEST_P(EndFrameRules, EndFollowsBeginAndSpeed)
{
    const EndFrameCase& c = GetParam();
    if (c.begin) Spin("EditBegin").SetValue(c.begin);
    if (c.end) Spin("EditEnd").SetValue(c.end);
    EXPECT_EQ(Spin("EditEnd").value(), c.expectEnd);
    EXPECT_EQ(Ex().ExSpeed(), c.expectSpeed);
    EXPECT_EQ(Field(0, "EndTime"), std::to_string(c.expectEnd - 1));
    EXPECT_EQ(Field(0, "ObjType/ObjText/ExSpeed"), std::to_string(c.expectSpeed));
    EXPECT_GE(Builds(), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, EndFrameRules,
                         ::testing::Values(EndFrameCase{"BeginMovesEnd", 20, 0, 29, 9},
                                           EndFrameCase{"EndSetsSpeed", 0, 31, 31, 30},
                                           EndFrameCase{"EndBelowBeginSnaps", 20, 5, 20, 0},
                                           EndFrameCase{"EndEqualBegin", 0, 1, 1, 0}),
                         [](const auto& info) { return std::string(info.param.what); });

struct EffectCase {
    const char* effect;
    int begin;
    int expectSpeed;
    int expectEnd;  // shown, from 1
};

class EffectDefaults : public TextEditorTest, public ::testing::WithParamInterface<EffectCase> {};

TEST_P(EffectDefaults, ChoosingAnEffectSetsItsLengthAndClearsTheOtherValues)
{
    const EffectCase& c = GetParam();
    // Start from a text with other effect values and another effect.
    GlobalVars().LoadingTextEditor = true;
    text->SetEditBegin(c.begin);
    Ex().SetExScale(3);
    Ex().SetExAlpha(-20);
    GlobalVars().LoadingTextEditor = false;

    auto& box = Child<QComboBox>("EffectName");
    const int index = box.findText(c.effect);
    ASSERT_GE(index, 0);
    if (box.currentIndex() == index) box.setCurrentIndex(index == 0 ? 1 : 0);
    box.setCurrentIndex(index);

    EXPECT_EQ(Ex().ExSpeed(), c.expectSpeed);
    EXPECT_EQ(Spin("EditEnd").value(), c.expectEnd);
    EXPECT_EQ(Ex().ExScale(), 0);
    EXPECT_EQ(Ex().ExAlpha(), 0);
    EXPECT_FALSE(Ex().isVisible());
    EXPECT_EQ(Field(0, "ObjType/ObjText/EffectName"), c.effect);
    EXPECT_EQ(Field(0, "StartTime"), std::to_string(c.begin - 1));
    EXPECT_EQ(Field(0, "EndTime"), std::to_string(c.expectEnd - 1));
    EXPECT_EQ(Field(0, "ObjType/ObjText/ExSpeed"), std::to_string(c.expectSpeed));
    EXPECT_EQ(Field(0, "ObjType/ObjText/ExScale"), "0");
    EXPECT_EQ(Field(0, "ObjType/ObjText/ExAlpha"), "0");
    EXPECT_GE(Builds(), 1);
}

INSTANTIATE_TEST_SUITE_P(Names, EffectDefaults,
                         ::testing::Values(EffectCase{"Rotate", 5, 49, 54}, EffectCase{"Come In", 1, 24, 25},
                                           EffectCase{"Rainbow", 10, 24, 34}, EffectCase{"-- None --", 3, 9, 12}),
                         [](const auto& info) {
                             std::string name;
                             for (char ch : std::string(info.param.effect))
                                 if (std::isalnum(static_cast<unsigned char>(ch))) name += ch;
                             return name;
                         });

TEST_F(TextEditorTest, EffectListOffersElevenNamesOnce)
{
    auto& box = Child<QComboBox>("EffectName");
    ASSERT_EQ(box.count(), 11);
    EXPECT_EQ(box.itemText(0), "-- None --");
    EXPECT_EQ(box.itemText(10), "Rotate");
    text->show();
    text->hide();
    text->show();
    EXPECT_EQ(box.count(), 11);
}

struct UnlistedCase {
    const char* what;
    const char* fontSize;
    const char* effect;
    const char* storedSize;
    const char* storedEffect;
};

class UnlistedValues : public EditorTest, public ::testing::WithParamInterface<UnlistedCase> {};

TEST_P(UnlistedValues, ShowTheFirstEntryAndTheNextStoreWritesIt)
{
    const UnlistedCase& c = GetParam();
    Open(MovieXml(TextXml("Text_1", c.fontSize, c.effect)));
    ShowText(0);
    EXPECT_EQ(Builds(), 0);
    text->SetPositionX(51);  // any change stores
    EXPECT_EQ(Field(0, "ObjType/ObjText/FontSize"), c.storedSize);
    EXPECT_EQ(Field(0, "ObjType/ObjText/EffectName"), c.storedEffect);
    EXPECT_EQ(Field(0, "ObjType/ObjText/PositionX"), "51");
}

INSTANTIATE_TEST_SUITE_P(Cases, UnlistedValues,
                         ::testing::Values(UnlistedCase{"Size13", "13", "Come In", "8", "Come In"},
                                           UnlistedCase{"Size15", "15", "-- None --", "8", "-- None --"},
                                           UnlistedCase{"EffectMove", "24", "Move", "24", "-- None --"}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(TextEditorTest, StoreWhileAPictureIsSelectedChangesNothing)
{
    const std::string before = Field(1, "ObjType/ObjPic/Content") + Field(1, "StartTime");
    objectList.selected = "Pic_1";
    text->SetContent("Changed");
    EXPECT_EQ(Field(0, "ObjType/ObjText/Content"), "Hi");
    EXPECT_EQ(Field(1, "ObjType/ObjPic/Content") + Field(1, "StartTime"), before);
    EXPECT_EQ(Field(1, "ObjTypeName"), "Pic");
}

TEST_F(TextEditorTest, SliderChangesStoreTheirValueAndTheSpeedSliderMovesTheEnd)
{
    Ex().Slider(0).setValue(-4);
    EXPECT_EQ(Ex().ExScale(), -4);
    EXPECT_EQ(Field(0, "ObjType/ObjText/ExScale"), "-4");
    const int builds = Builds();
    EXPECT_GE(builds, 1);

    Ex().Slider(5).setValue(30);
    EXPECT_EQ(Ex().ExSpeed(), 30);
    EXPECT_EQ(Spin("EditEnd").value(), 31);
    EXPECT_EQ(Field(0, "EndTime"), "30");
    EXPECT_EQ(Field(0, "ObjType/ObjText/ExSpeed"), "30");
    EXPECT_GT(Builds(), builds);
}

TEST_F(TextEditorTest, SpinEditOfTheEffectWindowMovesItsSlider)
{
    Ex().Spin(2).SetValue(150);  // beyond ExShock's range
    EXPECT_EQ(Ex().ExShock(), 100);
    EXPECT_EQ(Ex().Slider(2).value(), 100);
    EXPECT_EQ(Field(0, "ObjType/ObjText/ExShock"), "100");
}

TEST_F(TextEditorTest, EnterStoresAndBuildsAtOnceEvenWithoutAChange)
{
    QTest::keyClick(&Spin("EditBegin"), Qt::Key_Return);
    EXPECT_EQ(Builds(), 1);
    QTest::keyClick(&Child<QLineEdit>("Content"), Qt::Key_Return);
    EXPECT_EQ(Builds(), 2);
    EXPECT_EQ(Field(0, "ObjType/ObjText/TextUnit"), "1");
}

TEST_F(TextEditorTest, EffectWindowOpensFromImage1)
{
    EXPECT_FALSE(Ex().isVisible());
    text->Image1Click();
    EXPECT_TRUE(Ex().isVisible());
    EXPECT_EQ(Ex().windowTitle(), "Text Effect Properties");
    EXPECT_EQ(text->windowTitle(), "Text Properties");
}

}  // namespace
}  // namespace glimmora::test

namespace glimmora::test {
namespace {

// A text whose font is not installed (the templates' "Microsoft Sans Serif")
// keeps it: shown as stored, marked as stood in for, and written back
// unchanged when only another field changes.
TEST_F(EditorTest, AFontThatIsNotInstalledStaysTheTextsFont)
{
    std::string xml = TextXml("Text_1");
    xml.replace(xml.find("DejaVu Sans"), 11, "Microsoft Sans Serif");
    Open(MovieXml(xml + TextXml("Text_2")));
    ShowText(0);
    auto& fonts = *text->findChild<QComboBox*>("FontName");
    EXPECT_EQ(fonts.currentText(), "Microsoft Sans Serif");
    EXPECT_FALSE(fonts.itemData(fonts.currentIndex(), Qt::ToolTipRole).toString().isEmpty());

    auto& sizes = *text->findChild<QComboBox*>("FontSize");
    sizes.setCurrentIndex(sizes.findText("24"));
    EXPECT_EQ(Field(0, "ObjType/ObjText/FontSize"), "24");
    EXPECT_EQ(Field(0, "ObjType/ObjText/FontName"), "Microsoft Sans Serif");

    // An installed font is found in the list as before, with no second entry.
    const int count = fonts.count();
    ShowText(1);
    EXPECT_EQ(fonts.currentText(), "DejaVu Sans");
    ShowText(0);
    EXPECT_EQ(fonts.currentText(), "Microsoft Sans Serif");
    EXPECT_EQ(fonts.count(), count);
}

}  // namespace
}  // namespace glimmora::test

namespace glimmora::test {
namespace {

// A text the movie leaves out says so beside the field while it is so.
TEST_F(TextEditorTest, ATextTooLongForTheMovieSaysSoBesideTheField)
{
    auto& reason = Child<QLabel>("NotShownReason");
    EXPECT_FALSE(reason.isVisibleTo(text.get()));
    Child<QLineEdit>("Content").setText(QString(128, 'a'));
    EXPECT_TRUE(reason.isVisibleTo(text.get()));
    EXPECT_EQ(reason.text(), "Texts longer than 127 characters are not shown");
    Child<QLineEdit>("Content").setText(QString(127, 'a'));
    EXPECT_FALSE(reason.isVisibleTo(text.get()));
}

}  // namespace
}  // namespace glimmora::test
