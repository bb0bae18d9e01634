// Dragging the selected object over the preview and resizing the window.
#include "MainWindowFixture.h"

#include "generation/TVuzozUzev.h"
#include "player/widget/TShockwaveFlash.h"
#include "workspace/TObjListForm.h"

#include <QMenu>
#include <QtTest/QTest>

namespace glimmora::test {
namespace {

class PreviewEditTest : public MainWindowTest {
protected:
    void SetUp() override {
        Start(QString::fromStdString(WriteProject("p/drag.gmr", TextsProject({{"T", 0}})).string()));
        window->show();
        ProcessEventsFor(50);
        SelectEntry("T");
    }
};

struct DragCase {
    const char* name;
    QPoint delta;
    int builds;
};

class DragTest : public PreviewEditTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(DragTest, MovesTheSelectedTextByTheDragAndBuildsOnce) {
    const int loads = window->PreviewLoads();
    const QPoint from(40, 40);
    QTest::mousePress(&window->Flash(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseRelease(&window->Flash(), Qt::LeftButton, Qt::NoModifier, from + GetParam().delta);
    EXPECT_EQ(Field(0, "PositionX"), std::to_string(20 + GetParam().delta.x()));
    EXPECT_EQ(Field(0, "PositionY"), std::to_string(30 + GetParam().delta.y()));
    EXPECT_EQ(window->PreviewLoads() - loads, GetParam().builds);
}

INSTANTIATE_TEST_SUITE_P(Drags, DragTest,
                         ::testing::Values(DragCase{"right10", {10, 0}, 1}, DragCase{"upLeft", {-5, -7}, 1},
                                           DragCase{"samePoint", {0, 0}, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PreviewEditTest, RightClickNeverReachesThePreview) {
    window->Flash().SetPlaying(true);
    QTest::mousePress(&window->Flash(), Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_TRUE(window->Flash().Playing());  // a left press would have paused it
    QMenu* popup = window->findChild<QMenu*>("PopupActionBarEx");
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    popup->hide();
}

TEST_F(PreviewEditTest, ResizeStoresTheNewMovieSizeAndBuildsOnce) {
    const int width = window->ObjListForm()->Movie().Width();
    const int height = window->ObjListForm()->Movie().Height();
    const int loads = window->PreviewLoads();
    window->resize(window->width() + 20, window->height() + 10);
    ProcessEventsFor(50);
    EXPECT_EQ(window->ObjListForm()->Movie().Width(), width + 20);
    EXPECT_EQ(window->ObjListForm()->Movie().Height(), height + 10);
    EXPECT_EQ(window->PreviewLoads() - loads, 1);  // the build's own window sizing builds nothing more
    EXPECT_EQ(window->Flash().MovieSize(), QSize(width + 20, height + 10));
}

}  // namespace
}  // namespace glimmora::test
