// Loop, the play-position slider and the docked tool window base.
#include "MainWindowFixture.h"

#include "objects/TGlobalVars.h"
#include "player/widget/TShockwaveFlash.h"
#include "widgets/PlaySlider.h"
#include "workspace/TChildForm.h"
#include "workspace/TObjListForm.h"

#include <QtTest/QTest>

namespace glimmora::test {
namespace {

TEST_F(MainWindowTest, LoopTogglesPreviewGlobalsAndDocument) {
    Start(QString::fromStdString(WriteProject("p/loop.gmr", TextsProject({{"T", 0}})).string()));
    const int loads = window->PreviewLoads();
    for (int i = 0; i < 2; ++i) {
        window->Action("ControlLoop")->trigger();
        const bool checked = window->Action("ControlLoop")->isChecked();
        EXPECT_EQ(window->Flash().Loop(), checked);
        EXPECT_EQ(GlobalVars().LoopPlayback, checked);
        EXPECT_EQ(window->ObjListForm()->Movie().Loop(), checked ? "True" : "False");
    }
    EXPECT_EQ(window->PreviewLoads(), loads);  // no build
}

TEST_F(MainWindowTest, SliderPausesWhileHeldAndSeeksOnRelease) {
    Start(QString::fromStdString(WriteProject("p/slide.gmr", TextsProject({{"T", 0}})).string()));
    window->show();
    ProcessEventsFor(50);
    window->Flash().Play();
    window->UpdatePlayPos();
    PlaySlider& slider = window->SliderPlay();
    ASSERT_GE(slider.maximum(), 1);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(slider.width() / 2, slider.height() / 2));
    EXPECT_FALSE(window->Flash().Playing());
    EXPECT_TRUE(GlobalVars().WasPlaying);
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(slider.width() / 2, slider.height() / 2));
    EXPECT_EQ(window->Flash().FrameNum(), slider.value()) << slider.width() << " " << slider.maximum();
    EXPECT_GT(window->Flash().FrameNum(), 0);
    EXPECT_TRUE(window->Flash().Playing());
}

TEST(ChildFormTest, DockedHasNoBorderAndSitsInItsPanel) {
    EnsureApplication();
    QWidget owner;
    QWidget panel(&owner);
    TChildForm docked(&owner, &panel);
    EXPECT_EQ(docked.parentWidget(), &panel);
    EXPECT_FALSE(docked.isWindow());
    EXPECT_EQ(docked.geometry(), QRect(0, 0, 180, 400));
    TChildForm free(&owner);
    EXPECT_TRUE(free.isWindow());
    EXPECT_FALSE(free.IsDocked());
    free.DockInto(&panel);
    EXPECT_FALSE(free.isWindow());
    EXPECT_EQ(free.parentWidget(), &panel);
}

}  // namespace
}  // namespace glimmora::test
