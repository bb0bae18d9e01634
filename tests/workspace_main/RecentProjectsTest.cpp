// The File menu's recent projects: opened and saved projects go to the top,
// once, at most eight, kept for the next start; choosing one opens it, and one
// that is gone is taken off the list with a message.
#include "MainWindowFixture.h"

#include "support/ProjectFixtures.h"
#include "generation/TVuzozUzev.h"
#include "workspace/RecentProjects.h"

#include <QAction>
#include <QMenu>

namespace glimmora::test {
namespace {

class RecentProjectsTest : public MainWindowTest {
protected:
    QString Project(int i)
    {
        return QString::fromStdString(
            WriteProject("r/p" + std::to_string(i) + ".gmr", TextsProject({{"T" + std::to_string(i), 0}})).string());
    }
    QStringList MenuTexts()
    {
        QStringList texts;
        for (QAction* action : window->findChild<QMenu*>("RecentMenu")->actions()) texts << action->text();
        return texts;
    }
};

TEST_F(RecentProjectsTest, OpenedAndSavedProjectsAreListedNewestFirstOnceAndAtMostEight)
{
    Start();
    for (int i = 1; i <= 9; ++i) window->OpenFile(Project(i));
    window->OpenFile(Project(5));  // again: to the top, not twice
    const QStringList listed = window->Recent().Files();
    ASSERT_EQ(listed.size(), RecentProjects::MaxCount);
    EXPECT_EQ(listed.front(), Project(5));
    EXPECT_EQ(listed[1], Project(9));
    EXPECT_EQ(listed.count(Project(5)), 1);
    EXPECT_FALSE(listed.contains(Project(1))) << "the oldest goes";
    EXPECT_EQ(MenuTexts().front(), "&1 p5.gmr");

    {
        const QString saved = QString::fromStdString((dir / "r" / "copy.gmr").string());
        files = {saved};
        ASSERT_TRUE(window->FileSaveAs());
        EXPECT_EQ(window->Recent().Files().front(), saved);
    }

    // Kept for the next start.
    const QStringList kept = window->Recent().Files();
    window->close();
    window.reset();
    Start();
    EXPECT_EQ(window->Recent().Files(), kept);
    EXPECT_EQ(MenuTexts().size(), RecentProjects::MaxCount);
}

TEST_F(RecentProjectsTest, ChoosingAnEntryOpensItAndAMissingOneIsTakenOffWithAMessage)
{
    Start();
    const QString first = Project(1), second = Project(2);
    window->OpenFile(first);
    window->OpenFile(second);
    window->Recent().Choose(first);
    EXPECT_EQ(window->Builder()->SourceFile, first.toStdString());
    EXPECT_TRUE(boxes.empty());

    std::filesystem::remove(second.toStdString());
    window->Recent().Choose(second);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.indexOf("p2.gmr"), -1) << boxes[0].text.toStdString();
    EXPECT_FALSE(window->Recent().Files().contains(second));
    EXPECT_EQ(window->Builder()->SourceFile, first.toStdString()) << "nothing else was opened";
}

}  // namespace
}  // namespace glimmora::test
