// Cut, Copy, Paste and Duplicate through the real main window: the system
// clipboard carries objects with their pictures from one editor to another,
// each command is one undo step, and the keys and menus reach them.
#include "MainWindowFixture.h"

#include "document/ClippedObjects.h"
#include "document/ProjectMedia.h"
#include "document/XmlDocument.h"
#include "generation/TVuzozUzev.h"
#include "player/widget/TShockwaveFlash.h"
#include "support/ProjectFixtures.h"
#include "workspace/TObjListForm.h"
#include "workspace/TTextForm.h"
#include "workspace/UndoHistory.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest/QTest>

namespace glimmora::test {
namespace {

class ClipboardTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        QGuiApplication::clipboard()->clear();
        std::filesystem::create_directories(dir / "p");
        WriteSolidJpeg(dir / "p" / "P.jpg", 40, 20, 255, 0, 0);
        Start(QString::fromStdString(
            WriteProject("p/clip.gmr", MovieXml(StaticTextXml("T", "Hi", 20, 30) + StaticTextXml("U", "Ho", 40, 50) +
                                                StaticPictureXml("P", 1, 2, 40, 20, 2, 11)))
                .string()));
        window->show();
        ProcessEventsFor(30);
    }
    static std::vector<std::string> Names(TMainForm& editor)
    {
        std::vector<std::string> names;
        for (const IXMLObj& obj : editor.ObjListForm()->Movie().Obj().All()) names.push_back(obj.ObjName());
        return names;
    }
    static std::optional<IXMLObj> Named(TMainForm& editor, const std::string& name)
    {
        for (const IXMLObj& obj : editor.ObjListForm()->Movie().Obj().All())
            if (obj.ObjName() == name) return obj;
        return std::nullopt;
    }
    static std::string PictureBytes(TMainForm& editor, const std::string& name)
    {
        const MediaFile file = editor.Builder()->Media.Find(editor.Builder()->BasePath, MediaKind::Picture, name);
        return file ? ReadFile(file.file) : "(none: " + file.problem + ")";
    }
    static void Key(TMainForm& editor, QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QApplication::setActiveWindow(&editor);
        to->setFocus();
        QTest::keyClick(to, key, modifiers);
        ProcessEventsFor(10);
    }
    static void StopAt(TMainForm& editor, int frame)
    {
        editor.Flash().SetPlaying(false);
        editor.Flash().GotoFrame(frame);
    }
    std::string Snapshot() const { return window->ObjListForm()->XMLDoc().Snapshot(); }
    static bool ClipboardHoldsObjects()
    {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data && data->hasFormat(kClippedObjectsType);
    }
};

TEST_F(ClipboardTest, APictureCopiedInOneEditorIsPastedWithItsFileInAnotherAtItsFrame)
{
    SelectEntry("P");
    window->Action("EditCopy")->trigger();
    ASSERT_TRUE(ClipboardHoldsObjects());

    // A second editor with a project of its own, in another folder.
    const std::filesystem::path project = WriteProject(
        "q/other.gmr", MovieXml(StaticTextXml("Title", "Other", 5, 5) + StaticPictureXml("P", 0, 0, 10, 10, 0, 30)));
    WriteSolidJpeg(dir / "q" / "P.jpg", 10, 10, 0, 0, 255);
    TMainForm other(QString::fromStdString(project.string()));
    other.show();
    ProcessEventsFor(30);
    ASSERT_TRUE(other.Action("EditPaste")->isEnabled());
    StopAt(other, 7);
    const int frame = other.Flash().CurrentFrame();
    ASSERT_GT(frame, 0);
    other.Action("EditPaste")->trigger();

    // "P" is taken there: the pasted picture is named as Insert would name it.
    EXPECT_EQ(Names(other), (std::vector<std::string>{"Title", "P", "Pic_1"}));
    const IXMLObj pasted = *Named(other, "Pic_1");
    EXPECT_EQ(pasted.StartTime(), frame);
    EXPECT_EQ(pasted.EndTime(), frame + 9) << "start and end move together";
    EXPECT_EQ(pasted.ObjType().ObjPic().PositionX(), 1);
    EXPECT_EQ(other.ObjListForm()->SelectedName(), "Pic_1");
    EXPECT_EQ(PictureBytes(other, "Pic_1"), ReadFile(dir / "p" / "P.jpg"));
    EXPECT_EQ(FileNames(dir / "q"), (std::vector<std::string>{"P.jpg", "other.gmr"})) << "nothing new until Save";
    EXPECT_EQ(other.Action("EditUndo")->text(), "&Undo Paste Pic_1");
    EXPECT_TRUE(boxes.empty()) << boxes.front().text.toStdString();

    ASSERT_TRUE(other.FileSave());
    EXPECT_EQ(ReadFile(dir / "q" / "Pic_1.jpg"), ReadFile(dir / "p" / "P.jpg"));
    other.EditUndo();
    EXPECT_EQ(Names(other), (std::vector<std::string>{"Title", "P"}));
}

TEST_F(ClipboardTest, ACutIsOneStepThatUndoTakesBackWithThePictureAndPasteBringsBackUnderItsName)
{
    QTreeWidget& tree = window->ObjListForm()->ObjTree();
    SelectEntry("P");
    Key(*window, &tree, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Names(*window), (std::vector<std::string>{"T", "U"}));
    EXPECT_EQ(window->Action("EditUndo")->text(), "&Undo Cut P");
    EXPECT_EQ(window->History().Stack().count(), 1);

    window->EditUndo();
    EXPECT_EQ(Names(*window), (std::vector<std::string>{"T", "U", "P"}));
    EXPECT_EQ(PictureBytes(*window, "P"), ReadFile(dir / "p" / "P.jpg"));
    window->EditRedo();
    EXPECT_EQ(Names(*window), (std::vector<std::string>{"T", "U"}));

    StopAt(*window, 4);
    const int frame = window->Flash().CurrentFrame();
    Key(*window, &tree, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Names(*window), (std::vector<std::string>{"T", "U", "P"})) << "its name is free again";
    EXPECT_EQ(Named(*window, "P")->StartTime(), frame);
    EXPECT_EQ(Named(*window, "P")->EndTime(), frame + 9);
    EXPECT_EQ(PictureBytes(*window, "P"), ReadFile(dir / "p" / "P.jpg"));
    EXPECT_EQ(window->Action("EditUndo")->text(), "&Undo Paste P");
    EXPECT_TRUE(boxes.empty()) << boxes.front().text.toStdString();
}

TEST_F(ClipboardTest, DuplicateIsTenPixelsOffUnderANewNameAsOneStep)
{
    SelectEntry("T");
    const std::string before = Snapshot();
    Key(*window, &window->ObjListForm()->ObjTree(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Names(*window), (std::vector<std::string>{"T", "U", "P", "Text_1"}));
    const IXMLObj copy = *Named(*window, "Text_1");
    EXPECT_EQ(copy.ObjType().ObjText().PositionX(), 30);
    EXPECT_EQ(copy.ObjType().ObjText().PositionY(), 40);
    EXPECT_EQ(copy.StartTime(), 0);
    EXPECT_EQ(copy.EndTime(), 9);
    EXPECT_EQ(copy.ObjType().ObjText().Content(), "Hi");
    EXPECT_EQ(window->ObjListForm()->SelectedName(), "Text_1");
    EXPECT_EQ(window->TextForm()->findChild<QLineEdit*>("Content")->text(), "Hi") << "its editor shows it";
    EXPECT_EQ(window->Action("EditUndo")->text(), "&Undo Duplicate Text_1");
    EXPECT_FALSE(ClipboardHoldsObjects()) << "the clipboard is left alone";

    SelectEntry("P");
    window->Action("EditDuplicate")->trigger();
    EXPECT_EQ(PictureBytes(*window, "Pic_1"), ReadFile(dir / "p" / "P.jpg"));
    window->EditUndo();
    window->EditUndo();
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(ClipboardTest, CommandsAreInTheEditMenuTheToolbarAndTheListsMenuAndFollowTheSelectionAndClipboard)
{
    const std::pair<const char*, const char*> keys[] = {
        {"EditCut", "Ctrl+X"}, {"EditCopy", "Ctrl+C"}, {"EditPaste", "Ctrl+V"}, {"EditDuplicate", "Ctrl+D"}};
    QMenu* edit = window->menuBar()->findChild<QMenu*>("EditMenu");
    QToolBar* toolBar = window->findChild<QToolBar*>("ToolBar");
    QMenu* listMenu = window->ObjListForm()->findChild<QMenu*>("PopupMenu1");
    for (const auto& [name, key] : keys) {
        QAction* action = window->Action(name);
        EXPECT_EQ(action->shortcut(), QKeySequence(key)) << name;
        EXPECT_TRUE(edit->actions().contains(action)) << name;
        EXPECT_TRUE(listMenu->actions().contains(action)) << name;
        EXPECT_EQ(toolBar->actions().contains(action), QString(name) != "EditDuplicate") << name;
        EXPECT_FALSE(action->isEnabled()) << name << ": nothing selected, nothing to paste";
        for (const auto& [other, otherKey] : keys)
            if (QString(other) != name) {
                EXPECT_NE(window->Action(other)->shortcut(), action->shortcut());
            }
    }
    SelectEntry("U");
    EXPECT_TRUE(Enabled("EditCut"));
    EXPECT_TRUE(Enabled("EditCopy"));
    EXPECT_TRUE(Enabled("EditDuplicate"));
    EXPECT_FALSE(Enabled("EditPaste"));
    window->EditCopy();
    EXPECT_TRUE(Enabled("EditPaste"));
    QGuiApplication::clipboard()->setText("some text");
    EXPECT_FALSE(Enabled("EditPaste")) << "text is no object";

    // Inside a text field the keys are the field's own.
    QLineEdit* content = window->TextForm()->findChild<QLineEdit*>("Content");
    SelectEntry("T");
    content->selectAll();
    Key(*window, content, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Hi");
    EXPECT_FALSE(ClipboardHoldsObjects());
    Key(*window, content, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Names(*window).size(), 3u);

    window->FileClose();
    for (const auto& [name, key] : keys) EXPECT_FALSE(Enabled(name)) << name << ": no project";
}

TEST_F(ClipboardTest, ObjectsThatCannotBePastedAreNamedAndChangeNothing)
{
    const std::string before = Snapshot();
    std::string noNumber = StaticTextXml("T", "Hi", 1, 1);
    noNumber.replace(noNumber.find("<PositionX>1<"), 13, "<PositionX>x<");
    const struct {
        std::string packed;
        const char* message;
    } cases[] = {
        {"not xml at all", "The clipboard's objects cannot be pasted: they are not readable XML"},
        {PackClippedObjects({{noNumber, "", ""}}), "The object T on the clipboard cannot be pasted"},
    };
    for (const auto& bad : cases) {
        auto* data = new QMimeData;
        data->setData(kClippedObjectsType, QByteArray::fromStdString(bad.packed));
        QGuiApplication::clipboard()->setMimeData(data);
        boxes.clear();
        SelectEntry("T");
        window->Action("EditPaste")->trigger();
        window->Action("EditDuplicate")->trigger();  // a good object still duplicates
        ASSERT_EQ(boxes.size(), 1u) << bad.message;
        EXPECT_TRUE(boxes[0].text.startsWith(bad.message)) << boxes[0].text.toStdString();
        window->EditUndo();
        EXPECT_EQ(Snapshot(), before);
    }
}

}  // namespace
}  // namespace glimmora::test
