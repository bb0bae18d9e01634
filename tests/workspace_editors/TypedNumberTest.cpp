// Numbers typed into the editors' spin fields: read and stored as typed,
// digit by digit, and brought into the field's range (or the end frame to
// the start) only when the field is left.

#include "EditorFixture.h"

#include "widgets/SpinEdit.h"
#include "workspace/TTextExForm.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTest>

namespace glimmora::test {
namespace {

enum class Editor { Text, Effect, Pic, Background };

struct TypedCase {
    const char* name;
    Editor editor;
    const char* field;
    const char* typed;
    const char* stored;   // document path; a path without "/" and no object: the movie's own
    int whileTyped;       // the field's value once the digits are in
    std::string storedWhileTyped;
    int afterLeaving;
    std::string storedAfterLeaving;
};

class TypedNumber : public EditorTest, public ::testing::WithParamInterface<TypedCase> {
protected:
    void SetUp() override
    {
        Open(MovieXml(TextXml("Text_1", "18", "-- None --", 72, 81, 9) + PicXml("Pic_1")));
        builder->LoadMovieProperties();
        if (GetParam().editor == Editor::Pic) ShowPic(1);
        else ShowText(0);
    }

    SpinEdit& Spin() const
    {
        QWidget* editor = GetParam().editor == Editor::Text     ? static_cast<QWidget*>(text.get())
                        : GetParam().editor == Editor::Effect   ? static_cast<QWidget*>(&text->EffectWindow())
                        : GetParam().editor == Editor::Pic      ? static_cast<QWidget*>(pic.get())
                                                                : static_cast<QWidget*>(background.get());
        SpinEdit* spin = editor->findChild<SpinEdit*>(GetParam().field);
        if (!spin) throw std::logic_error(std::string("no spin edit ") + GetParam().field);
        return *spin;
    }

    std::string Stored() const
    {
        const int index = GetParam().editor == Editor::Pic ? 1 : 0;
        if (GetParam().editor == Editor::Background) return root.Node().child(GetParam().stored).text().as_string();
        return Field(index, GetParam().stored);
    }
};

TEST_P(TypedNumber, IsTakenAsTypedAndBroughtIntoTheRangeWhenTheFieldIsLeft)
{
    SpinEdit& spin = Spin();
    spin.selectAll();
    QTest::keyClicks(&spin, GetParam().typed);
    ProcessEventsFor(20);  // the deferred stores of the picture and background editors
    EXPECT_EQ(spin.Value(), GetParam().whileTyped);
    EXPECT_EQ(spin.text(), GetParam().typed);
    EXPECT_EQ(Stored(), GetParam().storedWhileTyped);

    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&spin, &leave);
    ProcessEventsFor(20);
    EXPECT_EQ(spin.Value(), GetParam().afterLeaving);
    EXPECT_EQ(Stored(), GetParam().storedAfterLeaving);
    EXPECT_TRUE(messages.messages.empty());
}

// The text starts on frame 73 and ends on frame 82 (shown from 1).
INSTANTIATE_TEST_SUITE_P(
    Fields, TypedNumber,
    ::testing::Values(
        TypedCase{"End120", Editor::Text, "EditEnd", "120", "EndTime", 120, "119", 120, "119"},
        TypedCase{"End97", Editor::Text, "EditEnd", "97", "EndTime", 97, "96", 97, "96"},
        TypedCase{"EndBeforeTheStartSnapsWhenLeft", Editor::Text, "EditEnd", "10", "EndTime", 10, "81", 73, "72"},
        TypedCase{"Start", Editor::Text, "EditBegin", "250", "StartTime", 250, "249", 250, "249"},
        TypedCase{"NegativeX", Editor::Text, "PositionX", "-35", "ObjType/ObjText/PositionX", -35, "-35", -35,
                  "-35"},
        TypedCase{"FadeBeyondItsRange", Editor::Effect, "ExAlpha", "300", "ObjType/ObjText/ExAlpha", 300, "300",
                  255, "255"},
        TypedCase{"PictureWidth", Editor::Pic, "EditWidth", "640", "ObjType/ObjPic/Width", 640, "640", 640, "640"},
        TypedCase{"MovieWidthBeyondItsRange", Editor::Background, "EditWidth", "900", "Width", 900, "900", 800,
                  "800"},
        TypedCase{"MovieHeight", Editor::Background, "EditHeight", "480", "Height", 480, "480", 480, "480"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace glimmora::test
