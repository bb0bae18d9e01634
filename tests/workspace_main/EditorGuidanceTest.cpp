// What tells a new user what to do: the picture box says a click chooses a
// picture and a Choose... button does the same, the position fields have
// labels, the Language menu marks the language in use, and the help opens in
// a window of its own whatever the desktop's browser does.
#include "MainWindowFixture.h"

#include "support/ProjectFixtures.h"
#include "workspace/THelpForm.h"
#include "workspace/TPicForm.h"
#include "workspace/TTextForm.h"

#include <QAction>
#include <QMessageBox>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

namespace glimmora::test {
namespace {

class EditorGuidanceTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        Start(QString::fromStdString(WriteProject("p/guide.gmr", MovieXml(StaticTextXml("Text_1", "Hi", 20, 30))).string()));
        window->show();
        ProcessEventsFor(20);
    }
};

TEST_F(EditorGuidanceTest, AnEmptyPictureBoxSaysWhatAClickDoesAndChooseOpensTheDialog)
{
    window->Action("InsertPicture")->trigger();
    ProcessEventsFor(20);
    TPicForm& editor = *window->PicForm();
    auto* hint = editor.findChild<QLabel*>("ContentHint");
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), "Click to choose a picture");

    auto* choose = editor.findChild<QPushButton*>("ChooseBtn");
    ASSERT_NE(choose, nullptr);
    bool opened = false;
    QTimer::singleShot(100, [&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QFileDialog*>(top); dialog && dialog->isVisible()) {
                opened = true;
                dialog->reject();
            }
    });
    choose->click();
    EXPECT_TRUE(opened);

    WriteSolidJpeg(dir / "red.jpg", 40, 30, 255, 0, 0);
    editor.ImportFile(QString::fromStdString((dir / "red.jpg").string()));
    ProcessEventsFor(20);
    EXPECT_FALSE(hint->isVisible()) << "the hint stays over a chosen picture";
}

TEST_F(EditorGuidanceTest, ThePositionFieldsHaveLabels)
{
    SelectEntry("Text_1");
    for (const char* name : {"LabelX", "LabelY"}) {
        auto* label = window->TextForm()->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_TRUE(label->isVisible()) << name;
        EXPECT_NE(label->buddy(), nullptr) << name;
    }
}

TEST_F(EditorGuidanceTest, TheLanguageMenuMarksTheLanguageInUse)
{
    QAction& english = *window->Action("LanguageEnglish");
    QAction& chinese = *window->Action("LanguageChinese");
    EXPECT_TRUE(english.isChecked());
    EXPECT_FALSE(chinese.isChecked());
    chinese.trigger();
    EXPECT_TRUE(chinese.isChecked());
    EXPECT_FALSE(english.isChecked());
    english.trigger();
    EXPECT_TRUE(english.isChecked());
    EXPECT_FALSE(chinese.isChecked());
}

}  // namespace
}  // namespace glimmora::test

namespace glimmora::test {
namespace {

TEST_F(EditorGuidanceTest, HelpContentsShowsTheHelpInAWindowOfItsOwn)
{
    window->Action("HelpContents")->trigger();
    ProcessEventsFor(20);
    THelpForm* help = window->HelpForm();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->Browser().toPlainText().contains("The timeline")) << "the program's help page";
    EXPECT_TRUE(boxes.empty());
}

TEST_F(EditorGuidanceTest, AHelpFileThatCannotBeOpenedIsNamed)
{
    THelpForm help(window.get());
    const auto missing = dir / "no-help.html";
    try {
        help.ShowPage(missing);
        FAIL() << "a missing page was shown";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(missing.string()), std::string::npos) << error.what();
    }
}

}  // namespace
}  // namespace glimmora::test

namespace glimmora::test {
namespace {

// A failed import: its message comes in front of the wait window, and a
// picture object inserted for it does not stay behind empty; one that
// already has a picture keeps it.
TEST_F(EditorGuidanceTest, AFailedImportShowsItsMessageInFrontAndLeavesNoEmptyObject)
{
    bool waitShownUnderMessage = false;
    MessageBoxes::SetSink([&](QWidget*, const MessageBoxes::Request& request) {
        boxes.push_back(request);
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "PicSelectForm" && top->isVisible()) waitShownUnderMessage = true;
        return QMessageBox::Ok;
    });
    WriteFile(dir / "broken.jpg", "not a picture at all");
    const size_t before = ObjectListTexts().size();
    window->Action("InsertPicture")->trigger();
    ProcessEventsFor(20);
    ASSERT_EQ(ObjectListTexts().size(), before + 1);
    EXPECT_FALSE(window->PicForm()->ImportFile(QString::fromStdString((dir / "broken.jpg").string())));
    ProcessEventsFor(20);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(waitShownUnderMessage);
    EXPECT_EQ(ObjectListTexts().size(), before) << "the empty picture object stayed";

    // With a picture already, a failed import changes nothing.
    window->Action("InsertPicture")->trigger();
    ProcessEventsFor(20);
    WriteSolidJpeg(dir / "green.jpg", 20, 20, 0, 255, 0);
    ASSERT_TRUE(window->PicForm()->ImportFile(QString::fromStdString((dir / "green.jpg").string())));
    EXPECT_FALSE(window->PicForm()->ImportFile(QString::fromStdString((dir / "broken.jpg").string())));
    EXPECT_EQ(ObjectListTexts().size(), before + 1);
}

}  // namespace
}  // namespace glimmora::test
