// The tool windows in the main window's right-hand panels: the Movie Library
// scrolls within its panel and keeps the selected entry in sight, and an
// object editor docked over the background editor hides it completely.
#include "MainWindowFixture.h"

#include "support/ProjectFixtures.h"
#include "workspace/TBackgroundForm.h"
#include "workspace/TObjListForm.h"
#include "workspace/TSoundForm.h"

#include <QApplication>
#include <QScrollBar>
#include <QTreeWidget>
#include <QWheelEvent>

namespace glimmora::test {
namespace {

std::vector<std::pair<std::string, int>> ManyTexts(int count) {
    std::vector<std::pair<std::string, int>> texts;
    for (int i = 1; i <= count; ++i) texts.push_back({"Text_" + std::to_string(i), i});
    return texts;
}

bool InSight(QTreeWidget& tree, QTreeWidgetItem* item) {
    return tree.viewport()->rect().contains(tree.visualItemRect(item));
}

class DockedPanelsTest : public MainWindowTest {
protected:
    void Open(const std::string& xml) {
        Start(QString::fromStdString(WriteProject("p/many.gmr", xml).string()));
        window->show();
        ProcessEventsFor(20);
    }
    QWidget& Panel(const char* name) { return *window->findChild<QWidget*>(name); }
};

TEST_F(DockedPanelsTest, TheLibraryScrollsWithinItsPanelAndShowsTheNewEntry) {
    Open(TextsProject(ManyTexts(13)));
    TObjListForm& list = *window->ObjListForm();
    QTreeWidget& tree = list.ObjTree();
    QWidget& panel = Panel("PanelRBottom");
    EXPECT_EQ(list.geometry().bottom(), panel.rect().bottom());  // not past the panel's bottom
    ASSERT_GT(tree.verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(tree.verticalScrollBar()->isVisible());

    QWheelEvent wheel(QPointF(20, 20), tree.viewport()->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(tree.viewport(), &wheel);
    EXPECT_GT(tree.verticalScrollBar()->value(), 0);

    // The new object is listed by its Layer, below the first entries.
    tree.verticalScrollBar()->setValue(tree.verticalScrollBar()->maximum());
    window->Action("InsertText")->trigger();
    ProcessEventsFor(20);
    QTreeWidgetItem* inserted = tree.currentItem();
    ASSERT_NE(inserted, nullptr);
    EXPECT_EQ(inserted->text(0), "Text_14");
    EXPECT_TRUE(InSight(tree, inserted));
}

TEST_F(DockedPanelsTest, TheLibraryFollowsItsPanelWhenTheWindowGrows) {
    Open(TextsProject(ManyTexts(3)));
    window->resize(window->width(), window->height() + 200);
    ProcessEventsFor(20);
    QWidget& top = Panel("PanelRTop");
    EXPECT_EQ(window->BackgroundForm()->height(), top.height());
    EXPECT_EQ(window->ObjListForm()->height(), Panel("PanelRBottom").height());
}

TEST_F(DockedPanelsTest, TheSoundEditorCoversTheBackgroundEditorEntirely) {
    Open(MovieXml("<Obj><ObjName>Sound_1</ObjName><StartTime>0</StartTime><EndTime>1</EndTime><Layer>2</Layer>"
                  "<ObjTypeName>Sound</ObjTypeName><ObjType><ObjSound><Content></Content></ObjSound></ObjType>"
                  "</Obj>"));
    SelectEntry("Sound_1");
    ProcessEventsFor(20);
    TSoundForm& sound = *window->SoundForm();
    ASSERT_TRUE(sound.isVisible());
    TBackgroundForm& background = *window->BackgroundForm();
    EXPECT_TRUE(sound.geometry().contains(background.geometry()));

    // Where the background editor has its fields and the sound editor has
    // none, the panel shows the sound editor's plain background.
    QWidget& panel = Panel("PanelRTop");
    const QImage shown = panel.grab().toImage();
    const QColor plain = sound.palette().color(QPalette::Window);
    for (const char* field : {"EditWidth", "EditHeight"}) {
        const QWidget* under = background.findChild<QWidget*>(field);
        ASSERT_NE(under, nullptr);
        const QRect area(under->mapTo(&panel, QPoint(0, 0)), under->size());
        ASSERT_GT(area.top(), 60) << "the sound editor's own controls lie above";
        int other = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (shown.pixelColor(x, y) != plain) ++other;
        EXPECT_EQ(other, 0) << field << " shows through the sound editor";
    }
}

}  // namespace
}  // namespace glimmora::test
