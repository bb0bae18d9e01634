// Undo and redo through the real main window: every kind of change is one
// named step, media files come back with it, and "Save changes?" follows the
// undo stack's clean state.
#include "MainWindowFixture.h"

#include "document/ProjectMedia.h"
#include "document/XmlDocument.h"
#include "generation/TVuzozUzev.h"
#include "player/widget/TShockwaveFlash.h"
#include "support/ProjectFixtures.h"
#include "workspace/TBackgroundForm.h"
#include "workspace/TObjListForm.h"
#include "workspace/TPicForm.h"
#include "workspace/TTextForm.h"
#include "workspace/UndoHistory.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest/QTest>

#include <functional>

namespace glimmora::test {
namespace {

class UndoTest : public MainWindowTest {
public:
    void Select(const std::string& name) { SelectEntry(name); }

protected:
    void SetUp() override
    {
        Start(QString::fromStdString(
            WriteProject("p/undo.gmr", MovieXml(StaticTextXml("T", "Hi", 20, 30) + StaticTextXml("U", "Ho", 40, 50) +
                                                StaticPictureXml("P", 1, 2, 40, 20)))
                .string()));
        window->show();
        ProcessEventsFor(30);
        // A clock of the test's: pieces of one burst come at once, later ones
        // when the test says so.
        window->History().SetClock([this] { return now; });
    }
    std::string Snapshot() const { return window->ObjListForm()->XMLDoc().Snapshot(); }
    QString UndoCaption() const { return window->Action("EditUndo")->text(); }
    QLineEdit* Content() const { return window->TextForm()->findChild<QLineEdit*>("Content"); }
    void Key(QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QApplication::setActiveWindow(window.get());
        to->setFocus();
        QTest::keyClick(to, key, modifiers);
        ProcessEventsFor(10);
    }

    qint64 now = 1000000;
};

struct StepCase {
    const char* label;
    std::function<void(UndoTest&, TMainForm&)> change;
    const char* caption;
};

class UndoStepTest : public UndoTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(UndoStepTest, IsOneNamedStepThatUndoesAndRedoesExactly)
{
    const std::string before = Snapshot();
    GetParam().change(*this, *window);
    ProcessEventsFor(150);  // the title's tick records changes that built nothing
    const std::string after = Snapshot();
    ASSERT_NE(after, before);
    EXPECT_EQ(window->History().Stack().count(), 1);
    EXPECT_EQ(UndoCaption(), QString("&Undo ") + GetParam().caption);

    window->Action("EditUndo")->trigger();
    EXPECT_EQ(Snapshot(), before);
    EXPECT_FALSE(window->Modified());
    EXPECT_EQ(window->Action("EditRedo")->text(), QString("&Redo ") + GetParam().caption);
    window->Action("EditRedo")->trigger();
    EXPECT_EQ(Snapshot(), after);
    EXPECT_TRUE(window->Modified());
}

INSTANTIATE_TEST_SUITE_P(
    Changes, UndoStepTest,
    ::testing::Values(
        StepCase{"insert", [](UndoTest&, TMainForm& w) { w.InsertText(); }, "Insert Text_1"},
        StepCase{"delete",
                 [](UndoTest& t, TMainForm& w) {
                     t.Select("U");
                     w.ObjListForm()->DeleteObj();
                 },
                 "Delete U"},
        StepCase{"rename", [](UndoTest&, TMainForm& w) { w.ObjListForm()->RenameObj("U", "Title"); }, "Rename U"},
        StepCase{"relayer",
                 [](UndoTest& t, TMainForm& w) {
                     t.Select("P");
                     w.ObjListForm()->DropOnto(w.ObjListForm()->ObjTree().topLevelItem(0));
                 },
                 "Reorder P"},
        StepCase{"dragOnPreview",
                 [](UndoTest& t, TMainForm& w) {
                     t.Select("T");
                     QTest::mousePress(&w.Flash(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
                     QTest::mouseRelease(&w.Flash(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 45));
                 },
                 "Move T"},
        StepCase{"startFrame",
                 [](UndoTest& t, TMainForm& w) {
                     t.Select("T");
                     w.TextForm()->SetEditBegin(5);
                 },
                 "Move T in Time"},
        StepCase{"background",
                 [](UndoTest&, TMainForm& w) {
                     w.BackgroundForm()->SetRate(25);
                     ProcessEventsFor(30);
                 },
                 "Change Movie Properties"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(UndoTest, ABurstOfTypingIsOneStepAndAPauseStartsAnother)
{
    SelectEntry("T");
    const std::string before = Snapshot();
    QTest::keyClicks(Content(), "abc");
    EXPECT_EQ(Field(0, "Content"), "Hiabc");
    EXPECT_EQ(window->History().Stack().count(), 1);
    EXPECT_EQ(UndoCaption(), "&Undo Typing in T");
    now += 5000;
    QTest::keyClicks(Content(), "d");
    EXPECT_EQ(window->History().Stack().count(), 2) << "a pause ends the burst";

    window->EditUndo();
    EXPECT_EQ(Field(0, "Content"), "Hiabc");
    EXPECT_EQ(Content()->text(), "Hiabc") << "the editor shows the document as it is again";
    window->EditUndo();
    EXPECT_EQ(Snapshot(), before);
    EXPECT_FALSE(window->Action("EditUndo")->isEnabled());
    EXPECT_EQ(UndoCaption(), "&Undo");
}

// Each change is named against the state it changed: after an undo or a redo
// that is the state they left, not the one recorded before them.
TEST_F(UndoTest, AChangeAfterAnUndoOrARedoIsNamedFromTheStateItLeft)
{
    SelectEntry("T");
    QTest::keyClicks(Content(), "abc");
    ASSERT_EQ(UndoCaption(), "&Undo Typing in T");
    window->EditUndo();
    now += 5000;
    window->TextForm()->SetEditBegin(5);
    ProcessEventsFor(30);
    EXPECT_EQ(UndoCaption(), "&Undo Move T in Time");

    window->EditUndo();
    window->EditRedo();
    now += 5000;
    window->TextForm()->SetEditBegin(7);
    ProcessEventsFor(30);
    EXPECT_EQ(UndoCaption(), "&Undo Move T in Time");
    EXPECT_EQ(window->History().Stack().count(), 2);
}

TEST_F(UndoTest, CtrlZUndoesAFieldsTypingFirstThenTheDocumentAndBackwardMovedToCtrlShiftB)
{
    EXPECT_EQ(window->Action("EditUndo")->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(window->Action("EditRedo")->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
    EXPECT_EQ(window->Action("ControlBackward")->shortcut(), QKeySequence("Ctrl+Shift+B"));

    window->InsertText();  // the first step: the new text, its editor open with the focus in its content
    ProcessEventsFor(150);
    ASSERT_EQ(window->History().Stack().count(), 1);
    const int objects = window->ObjListForm()->Movie().Obj().Count();
    now += 5000;
    Content()->selectAll();
    QTest::keyClicks(Content(), "xy");
    ASSERT_EQ(Content()->text(), "xy");

    Key(Content(), Qt::Key_Z, Qt::ControlModifier);  // the field's own undo
    EXPECT_NE(Content()->text(), "xy");
    EXPECT_EQ(window->ObjListForm()->Movie().Obj().Count(), objects) << "the insert is still there";
    while (Content()->isUndoAvailable()) Key(Content(), Qt::Key_Z, Qt::ControlModifier);
    // The field has nothing left: Ctrl+Z goes to the document's steps, the
    // typing step first (the editor also set the end frame), then the insert.
    QUndoStack& stack = window->History().Stack();
    ASSERT_EQ(stack.undoText(), "Typing in Text_1");
    Key(Content(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(stack.index(), 1);
    Key(Content(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(stack.index(), 0);
    EXPECT_EQ(window->ObjListForm()->Movie().Obj().Count(), objects - 1);

    QTreeWidget& tree = window->ObjListForm()->ObjTree();
    Key(&tree, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(window->ObjListForm()->Movie().Obj().Count(), objects);
    Key(&tree, Qt::Key_Z, Qt::ControlModifier);
    Key(&tree, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window->ObjListForm()->Movie().Obj().Count(), objects);

    window->Flash().GotoFrame(5);
    const int at = window->Flash().CurrentFrame();
    Key(&tree, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window->Flash().CurrentFrame(), at - 1);
}

TEST_F(UndoTest, PictureChoicesAndRenamesBringThePreviousMediaBackWithoutTouchingTheProjectFolder)
{
    WriteSolidJpeg(dir / "red.jpg", 40, 20, 255, 0, 0);
    WriteSolidJpeg(dir / "blue.jpg", 40, 20, 0, 0, 255);
    ProjectMedia& media = window->Builder()->Media;
    const auto staged = [&](const std::string& name) {
        const MediaEntry entry = media.Of(MediaKind::Picture, name);
        return entry ? entry->staged : std::filesystem::path();
    };
    SelectEntry("P");
    ASSERT_TRUE(window->PicForm()->ImportFile(QString::fromStdString((dir / "red.jpg").string())));
    const std::filesystem::path red = staged("P");
    ASSERT_TRUE(window->PicForm()->ImportFile(QString::fromStdString((dir / "blue.jpg").string())));
    const std::filesystem::path blue = staged("P");
    ASSERT_FALSE(red.empty());
    ASSERT_NE(red, blue);
    EXPECT_EQ(UndoCaption(), "&Undo Change Picture of P");

    window->EditUndo();
    EXPECT_EQ(staged("P"), red);
    EXPECT_TRUE(std::filesystem::exists(red)) << "the earlier picture is still there to come back";
    window->EditUndo();
    EXPECT_EQ(media.Of(MediaKind::Picture, "P"), MediaEntry(MediaSource{{}, "P"})) << "its own file, as saved";
    window->EditRedo();
    window->EditRedo();
    EXPECT_EQ(staged("P"), blue);

    ASSERT_TRUE(window->ObjListForm()->RenameObj("P", "Logo"));
    EXPECT_EQ(staged("Logo"), blue);
    window->EditUndo();
    EXPECT_EQ(ObjectListTexts(), (std::vector<std::string>{"T", "U", "P"}));
    EXPECT_EQ(staged("P"), blue);
    EXPECT_EQ(media.Of(MediaKind::Picture, "Logo"), MediaEntry(MediaSource{{}, "Logo"}));
    window->EditRedo();
    EXPECT_EQ(staged("Logo"), blue);
    EXPECT_EQ(FileNames(dir / "p"), (std::vector<std::string>{"undo.gmr"})) << "nothing changes there until Save";
}

TEST_F(UndoTest, SaveChangesFollowsTheCleanStateOfTheStack)
{
    window->InsertText();
    ASSERT_TRUE(window->Modified());
    ASSERT_TRUE(window->FileSave());
    EXPECT_FALSE(window->Modified());

    window->EditUndo();
    EXPECT_TRUE(window->Modified()) << "undo after a save leaves the saved state";
    window->UpdateTitle();
    EXPECT_TRUE(window->windowTitle().contains("undo.gmr*")) << window->windowTitle().toStdString();
    window->EditRedo();
    EXPECT_FALSE(window->Modified());

    window->EditUndo();
    answers = {QMessageBox::Cancel};
    EXPECT_FALSE(window->FileClose());
    ASSERT_EQ(QuestionsAsked().size(), 1u);
    EXPECT_EQ(QuestionsAsked()[0].text, "Save changes?");
    window->EditRedo();
    boxes.clear();
    EXPECT_TRUE(window->FileClose());
    EXPECT_TRUE(QuestionsAsked().empty()) << "back at the saved state: nothing to ask";
    EXPECT_FALSE(window->Action("EditUndo")->isEnabled());
}

TEST_F(UndoTest, APictureChosenBeforeASaveAndUndoneAfterItComesBackAndSavesAgain)
{
    WriteSolidJpeg(dir / "p" / "P.jpg", 40, 20, 255, 0, 0);  // the picture saved with the project
    WriteSolidJpeg(dir / "blue.jpg", 40, 20, 0, 0, 255);
    const std::string red = ReadFile(dir / "p" / "P.jpg");
    const auto shown = [&] {
        ProjectMedia& media = window->Builder()->Media;
        return ReadFile(media.Find(window->Builder()->BasePath, MediaKind::Picture, "P").file);
    };
    SelectEntry("P");
    ASSERT_TRUE(window->PicForm()->ImportFile(QString::fromStdString((dir / "blue.jpg").string())));
    const std::string blue = shown();
    ASSERT_NE(blue, red);
    ASSERT_TRUE(window->FileSave());
    ASSERT_EQ(ReadFile(dir / "p" / "P.jpg"), blue);

    window->EditUndo();
    EXPECT_EQ(shown(), red) << "the picture from before the save";
    EXPECT_TRUE(window->Modified());
    EXPECT_EQ(ReadFile(dir / "p" / "P.jpg"), blue) << "the project folder changes at Save only";
    ASSERT_TRUE(window->FileSave());
    EXPECT_EQ(ReadFile(dir / "p" / "P.jpg"), red);

    window->EditRedo();
    EXPECT_EQ(shown(), blue) << "and the one chosen, across two saves";
    window->EditUndo();
    EXPECT_EQ(shown(), red);
    EXPECT_FALSE(window->Modified()) << "back at the state saved last";
}

}  // namespace
}  // namespace glimmora::test
