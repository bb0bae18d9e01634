// Loop, the play-position slider and the docked tool window base.
#include "MainWindowFixture.h"

#include "objects/TGlobalVars.h"
#include "player/widget/TShockwaveFlash.h"
#include "widgets/PlaySlider.h"
#include "workspace/TChildForm.h"
#include "workspace/TObjListForm.h"

#include <QAction>
#include <QMouseEvent>
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

TEST_F(MainWindowTest, SliderShowsFramesWhileDragged) {
    Start(QString::fromStdString(WriteProject("p/scrub.gmr", TextsProject({{"T", 0}})).string()));
    window->show();
    ProcessEventsFor(50);
    window->UpdatePlayPos();
    PlaySlider& slider = window->SliderPlay();
    ASSERT_GE(slider.maximum(), 4);
    const int y = slider.height() / 2;
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(slider.width() / 4, y));
    const int pressedAt = window->Flash().FrameNum();
    EXPECT_EQ(pressedAt, slider.value());
    QMouseEvent drag(QEvent::MouseMove, QPointF(slider.width() * 3 / 4, y),
                     slider.mapToGlobal(QPointF(slider.width() * 3 / 4, y)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&slider, &drag);
    EXPECT_GT(slider.value(), pressedAt);
    EXPECT_EQ(window->Flash().FrameNum(), slider.value());  // before the release
    EXPECT_FALSE(window->Flash().Playing());
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(slider.width() * 3 / 4, y));
}

TEST_F(MainWindowTest, PauseIsAToggleThatShowsWhetherTheMovieStandsStill) {
    Start(QString::fromStdString(WriteProject("p/pause.gmr", TextsProject({{"T", 0}})).string()));
    QAction& pause = *window->Action("ControlPause");
    ASSERT_TRUE(pause.isCheckable());
    ASSERT_TRUE(window->Flash().Playing());
    EXPECT_FALSE(pause.isChecked());

    window->Flash().GotoFrame(4);
    pause.trigger();
    EXPECT_TRUE(pause.isChecked());
    EXPECT_FALSE(window->Flash().Playing());
    EXPECT_EQ(window->Flash().FrameNum(), 4);

    pause.trigger();  // plays on from where it stood
    EXPECT_FALSE(pause.isChecked());
    EXPECT_TRUE(window->Flash().Playing());
    EXPECT_EQ(window->Flash().FrameNum(), 4);

    window->Action("ControlStop")->trigger();  // stopped by another command
    EXPECT_TRUE(pause.isChecked());
    window->Action("ControlPlay")->trigger();  // Play starts from the first frame
    EXPECT_FALSE(pause.isChecked());
    EXPECT_EQ(window->Flash().FrameNum(), 0);
}

TEST(ChildFormTest, DockedHasNoBorderAndSitsInItsPanel) {
    EnsureApplication();
    QWidget owner;
    QWidget panel(&owner);
    panel.resize(183, 400);
    TChildForm docked(&owner, &panel);
    EXPECT_EQ(docked.parentWidget(), &panel);
    EXPECT_FALSE(docked.isWindow());
    EXPECT_EQ(docked.geometry(), QRect(0, 0, 180, 400));
    owner.show();
    panel.resize(183, 250);  // a docked window follows its panel's height
    EXPECT_EQ(docked.geometry(), QRect(0, 0, 180, 250));
    TChildForm free(&owner);
    EXPECT_TRUE(free.isWindow());
    EXPECT_FALSE(free.IsDocked());
    free.DockInto(&panel);
    EXPECT_FALSE(free.isWindow());
    EXPECT_EQ(free.parentWidget(), &panel);
}

}  // namespace
}  // namespace glimmora::test
