// The object list: order by Layer, re-layering, renaming and deleting.
#include "MainWindowFixture.h"

#include "generation/TVuzozUzev.h"
#include "support/ProjectFixtures.h"
#include "player/widget/TShockwaveFlash.h"
#include "workspace/TObjListForm.h"
#include "workspace/TPicForm.h"
#include "workspace/TTextForm.h"

#include <QImage>
#include <QKeyEvent>
#include <QTreeWidget>
#include <QtTest/QTest>

namespace glimmora::test {
namespace {

using Names = std::vector<std::string>;

struct OrderCase {
    const char* name;
    std::vector<std::pair<std::string, int>> texts;
    Names listed;
};

class ObjectListOrderTest : public MainWindowTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(ObjectListOrderTest, ListsByAscendingLayerInDocumentOrderAmongEquals) {
    Start(QString::fromStdString(WriteProject("p/list.gmr", TextsProject(GetParam().texts)).string()));
    EXPECT_EQ(ObjectListTexts(), GetParam().listed);
    EXPECT_EQ(window->ObjListForm()->ObjTree().currentItem(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Orders, ObjectListOrderTest,
                         ::testing::Values(OrderCase{"layers", {{"Three", 3}, {"One", 1}, {"Two", 2}},
                                                     {"One", "Two", "Three"}},
                                           OrderCase{"equal", {{"A", 2}, {"B", 2}, {"C", 2}}, {"A", "B", "C"}},
                                           OrderCase{"mixed", {{"A", 1}, {"B", 0}, {"C", 1}}, {"B", "A", "C"}}),
                         [](const auto& info) { return std::string(info.param.name); });

class ObjectListEditTest : public MainWindowTest {
protected:
    void Open(const std::vector<std::pair<std::string, int>>& texts) {
        Start(QString::fromStdString(WriteProject("p/list.gmr", TextsProject(texts)).string()));
    }
    TObjListForm& List() { return *window->ObjListForm(); }
    int LayerOf(int index) { return List().Movie().Obj().Items(index).Layer(); }
    void CtrlKey(Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
        QApplication::sendEvent(&List().ObjTree(), &press);
    }
};

TEST_F(ObjectListEditTest, DraggingTheBottomEntryOntoTheTopGivesLayerZero) {
    Open({{"A", 2}, {"B", 2}, {"C", 2}});
    SelectEntry("C");
    List().DropOnto(List().ObjTree().topLevelItem(0));
    EXPECT_EQ(LayerOf(2), 0);
    EXPECT_EQ(LayerOf(0), 2);
    EXPECT_EQ(ObjectListTexts(), (Names{"C", "A", "B"}));
    // It stays selected: the editor still stores into it.
    ASSERT_NE(List().ObjTree().currentItem(), nullptr);
    EXPECT_EQ(List().ObjTree().currentItem()->text(0), "C");
    window->TextForm()->SetContent("Moved");
    EXPECT_EQ(Field(2, "Content"), "Moved");
}

TEST_F(ObjectListEditTest, ADragMovesOnlyTheDraggedEntry) {
    Open({});
    for (int i = 0; i < 3; ++i) window->InsertText();
    EXPECT_EQ(ObjectListTexts(), (Names{"Text_1", "Text_2", "Text_3"}));
    SelectEntry("Text_3");
    List().DropOnto(List().ObjTree().topLevelItem(1));
    // Text_3 takes Layer 1 and goes up; the others keep their order.
    EXPECT_EQ(ObjectListTexts(), (Names{"Text_3", "Text_1", "Text_2"}));
}

TEST_F(ObjectListEditTest, ANewObjectIsListedWhereARefillPutsIt) {
    Open({{"Low", 0}, {"High", 5}});
    window->InsertText();  // Layer 2
    EXPECT_EQ(ObjectListTexts(), (Names{"Low", "Text_1", "High"}));
    ASSERT_NE(List().ObjTree().currentItem(), nullptr);
    EXPECT_EQ(List().ObjTree().currentItem()->text(0), "Text_1");
    List().RefreshObjList();
    EXPECT_EQ(ObjectListTexts(), (Names{"Low", "Text_1", "High"}));
}

TEST_F(ObjectListEditTest, CtrlUpAndDownMoveOneEntryAndSetItsLayer) {
    Open({{"A", 5}, {"B", 6}, {"C", 7}});
    SelectEntry("A");
    CtrlKey(Qt::Key_Up);  // at the top: nothing moves, Layer still set
    EXPECT_EQ(ObjectListTexts(), (Names{"A", "B", "C"}));
    EXPECT_EQ(LayerOf(0), 0);
    CtrlKey(Qt::Key_Down);
    EXPECT_EQ(ObjectListTexts(), (Names{"B", "A", "C"}));
    EXPECT_EQ(LayerOf(0), 1);
    EXPECT_EQ(LayerOf(1), 6);  // no other object's Layer changes
    SelectEntry("C");
    CtrlKey(Qt::Key_Up);
    EXPECT_EQ(ObjectListTexts(), (Names{"B", "C", "A"}));
    EXPECT_EQ(LayerOf(2), 1);
}

TEST_F(ObjectListEditTest, SelectingAnEntryOpensItsEditor) {
    Open({{"A", 0}, {"B", 1}});
    SelectEntry("B");
    EXPECT_EQ(window->Builder()->CurrentIndex, 1);
    EXPECT_EQ(window->Builder()->CurrentKind, "Text");
    EXPECT_TRUE(window->Action("InsertText")->isChecked());
    EXPECT_FALSE(window->Action("InsertPicture")->isChecked());
}

TEST_F(ObjectListEditTest, AnEditorStoreKeepsTheLayerSetWithCtrlUp) {
    const auto project = WriteProject(
        "p/relayer.gmr", MovieXml(StaticTextXml("T", "Hi", 20, 30) + StaticPictureXml("P", 0, 0, 10, 10)));
    Start(QString::fromStdString(project.string()));
    // Listed T, P (both Layer 2); each goes to the top, then its editor stores.
    SelectEntry("P");
    CtrlKey(Qt::Key_Up);
    ASSERT_EQ(LayerOf(1), 0);
    window->PicForm()->SetEditPositionX(7);
    ProcessEventsFor(20);  // the picture editor's deferred store
    EXPECT_EQ(Field(1, "PositionX"), "7");
    EXPECT_EQ(LayerOf(1), 0);

    SelectEntry("T");
    CtrlKey(Qt::Key_Up);
    ASSERT_EQ(LayerOf(0), 0);
    window->TextForm()->SetContent("Changed");
    EXPECT_EQ(Field(0, "Content"), "Changed");
    EXPECT_EQ(LayerOf(0), 0);
}

int RedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++count;
        }
    return count;
}

TEST_F(ObjectListEditTest, DeletingAnObjectTakesItOffThePreview) {
    Start(QString::fromStdString(
        WriteProject("p/ghost.gmr", MovieXml(StaticTextXml("Red", "HHHH", 20, 30, "255"))).string()));
    window->show();
    ProcessEventsFor(50);
    ASSERT_GT(RedPixels(window->Flash().grab().toImage()), 0);
    SelectEntry("Red");
    List().DeleteObj();
    ProcessEventsFor(50);
    EXPECT_EQ(RedPixels(window->Flash().grab().toImage()), 0);
}

struct RenameCase {
    const char* name;
    std::string to;
    bool accepted;
};

class RenameTest : public ObjectListEditTest, public ::testing::WithParamInterface<RenameCase> {};

TEST_P(RenameTest, RefusesNamesThatCannotNameAFile) {
    Open({{"A", 0}, {"B", 1}});
    SelectEntry("A");
    QTreeWidgetItem* item = List().ObjTree().currentItem();
    item->setText(0, QString::fromStdString(GetParam().to));  // as the in-place editor does
    const std::string expected = GetParam().accepted ? GetParam().to : "A";
    EXPECT_EQ(item->text(0).toStdString(), expected);
    EXPECT_EQ(List().Movie().Obj().Items(0).ObjName(), expected);
    EXPECT_EQ(List().Movie().Obj().Items(1).ObjName(), "B");
    EXPECT_EQ(boxes.size(), GetParam().accepted ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Names, RenameTest,
                         ::testing::Values(RenameCase{"valid", "Title", true}, RenameCase{"empty", "", false},
                                           RenameCase{"duplicate", "B", false},
                                           RenameCase{"path", "../out", false},
                                           RenameCase{"backslash", "a\\b", false},
                                           RenameCase{"dot", ".", false}, RenameCase{"dotdot", "..", false},
                                           RenameCase{"newline", "Title\nTwo", false},
                                           RenameCase{"tab", "Ti\ttle", false},
                                           RenameCase{"unicode", "\xE6\xA0\x87\xE9\xA2\x98", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ObjectListEditTest, DeleteSelectsTheEntryAboveAndEmptiesCleanly) {
    Open({{"A", 0}, {"B", 1}, {"C", 2}});
    SelectEntry("C");  // document position 2
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(&List().ObjTree(), &del);
    EXPECT_EQ(ObjectListTexts(), (Names{"A", "B"}));
    ASSERT_NE(List().ObjTree().currentItem(), nullptr);
    EXPECT_EQ(List().ObjTree().currentItem()->text(0), "B");
    List().DeleteObj();
    List().DeleteObj();
    EXPECT_TRUE(ObjectListTexts().empty());
    EXPECT_EQ(List().Movie().Obj().Count(), 0);
    EXPECT_EQ(List().ObjTree().currentItem(), nullptr);
}

}  // namespace
}  // namespace glimmora::test
