// A new user's first text: inserted into the "Normal" movie while it plays,
// typed at once, and shown in the preview while it is typed.
#include "MainWindowFixture.h"

#include "generation/TVuzozUzev.h"
#include "player/widget/TShockwaveFlash.h"
#include "workspace/TObjListForm.h"
#include "workspace/TTextForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest/QTest>

namespace glimmora::test {
namespace {

class FirstTextTest : public MainWindowTest {
protected:
    void SetUp() override {
        Start();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        GlobalVars().TemplateIndex = 1;  // "Normal": three texts, no loop
        guideAnswers = {true};
        window->FileNew();
        ASSERT_NE(window->Builder(), nullptr);
        ASSERT_TRUE(window->Flash().Playing());
    }

    int Inserted() const { return window->ObjListForm()->Movie().Obj().Count() - 1; }
};

TEST_F(FirstTextTest, TextInsertedWhilePlayingShowsWhileTypedAfterTheMovieEnded) {
    window->Flash().GotoFrame(10);
    window->Action("InsertText")->trigger();
    ASSERT_EQ(Field(Inserted(), "StartTime"), "10");
    window->ControlStop();  // the movie has played on to its last frame, where the text is gone
    ASSERT_EQ(window->Flash().FrameNum(), 72);

    QWidget* typing = QApplication::focusWidget();
    ASSERT_NE(typing, nullptr);
    EXPECT_EQ(typing, window->TextForm()->findChild<QLineEdit*>("Content"));
    QTest::keyClicks(typing, "Hello");

    EXPECT_EQ(Field(Inserted(), "Content"), "Hello");
    EXPECT_EQ(window->Flash().FrameNum(), 10);
    EXPECT_FALSE(window->Flash().Playing());
}

TEST_F(FirstTextTest, TypingReplacesTheSelectedContent) {
    window->Action("InsertText")->trigger();
    auto* content = window->TextForm()->findChild<QLineEdit*>("Content");
    content->setText("old");
    window->TextForm()->FocusContent();
    ASSERT_EQ(QApplication::focusWidget(), content);
    QTest::keyClicks(content, "new");
    EXPECT_EQ(Field(Inserted(), "Content"), "new");
}

TEST_F(FirstTextTest, AnEditKeepsTheFrameShownWhenItShowsTheText) {
    window->Flash().GotoFrame(10);
    window->Action("InsertText")->trigger();
    window->Flash().SetPlaying(false);
    window->Flash().GotoFrame(15);
    QTest::keyClicks(window->TextForm()->findChild<QLineEdit*>("Content"), "Hi");
    EXPECT_EQ(window->Flash().FrameNum(), 15);
}

}  // namespace
}  // namespace glimmora::test
