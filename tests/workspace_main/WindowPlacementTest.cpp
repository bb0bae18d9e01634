// The main window stays on its screen: a movie larger than the room there
// caps the window (the preview letterboxes the movie) and moves it into
// sight, and the movie keeps the size the project gives it.
#include "MainWindowFixture.h"

#include "support/ProjectFixtures.h"
#include "workspace/TBackgroundForm.h"
#include "workspace/TObjListForm.h"

#include <QScreen>

namespace glimmora::test {
namespace {

TEST_F(MainWindowTest, ALargeMovieKeepsTheWindowOnItsScreen)
{
    const auto project = WriteProject(
        "w/large.gmr", MovieXml(StaticTextXml("Text_1", "Hi", 10, 10),
                                "<BgColor>16777215</BgColor><Width>800</Width><Height>600</Height><Rate>12</Rate>"));
    Start(QString::fromStdString(project.string()));
    window->move(300, 200);
    window->show();
    ProcessEventsFor(20);
    window->OpenFile(QString::fromStdString(project.string()));  // sized again where it stands now
    ProcessEventsFor(20);
    const QRect room = window->screen()->availableGeometry();
    ASSERT_TRUE(room.width() < 800 + 183 || room.height() < 600) << "this screen has room for the whole window";
    EXPECT_TRUE(room.contains(window->frameGeometry())) << "window " << window->frameGeometry().x() << ","
                                                        << window->frameGeometry().y() << " "
                                                        << window->frameGeometry().width() << "x"
                                                        << window->frameGeometry().height();
    // The movie is as the project says, in the document and in the editor.
    EXPECT_EQ(window->ObjListForm()->Movie().Width(), 800);
    EXPECT_EQ(window->ObjListForm()->Movie().Height(), 600);
    EXPECT_EQ(window->BackgroundForm()->findChild<QWidget*>("EditWidth")->property("value").toInt(), 800);
    EXPECT_FALSE(window->Modified());
}

}  // namespace
}  // namespace glimmora::test
