// The main window under a real window manager (openbox on Xvfb, started by
// under-openbox.sh): switching the language never leaves the window
// minimised, and a large movie keeps the window, frame and all, on its
// screen. On any other platform these tests skip.

#include "objects/TGlobalVars.h"
#include "support/ProjectFixtures.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"
#include "widgets/MessageBoxes.h"
#include "workspace/TMainForm.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace glimmora::test {
namespace {

void EnsureApplication()
{
    if (QApplication::instance()) return;
    static int argc = 1;
    static char* argv[] = {const_cast<char*>("workspace_window_manager_tests"), nullptr};
    new QApplication(argc, argv);  // the platform comes from QT_QPA_PLATFORM
}

void ProcessEventsFor(int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The window manager's state of a top-level window (_NET_WM_STATE), as xprop
// reads it from the server.
QString WindowManagerState(const QWidget& window)
{
    QProcess xprop;
    xprop.start("xprop", {"-id", QString::number(window.winId()), "_NET_WM_STATE"});
    if (!xprop.waitForFinished(5000)) return "xprop did not answer";
    return QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
}

class UnderWindowManager : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server with a window manager";
        if (qEnvironmentVariableIsSet("TEMP")) originalTemp_ = qgetenv("TEMP");
        std::filesystem::create_directories(dir / "temp");
        qputenv("TEMP", QByteArray::fromStdString((dir / "temp").string()));
        ResetGlobalVars();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString((dir / "settings").string()));
        TMainForm::SetProgramFolder(GLIMMORA_PROGRAM_DIR);
        MessageBoxes::SetSink([this](QWidget*, const MessageBoxes::Request& request) {
            messages.push_back(request.text.toStdString());
            return QMessageBox::No;
        });
    }
    void TearDown() override
    {
        window.reset();
        MessageBoxes::SetSink({});
        TMainForm::SetProgramFolder({});
        if (originalTemp_.isNull()) qunsetenv("TEMP");
        else qputenv("TEMP", originalTemp_);
    }
    // Starts the editor as the program does and waits until the window
    // manager has mapped its window.
    void Start(const std::filesystem::path& project = {})
    {
        window = std::make_unique<TMainForm>(QString::fromStdString(project.string()));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get(), 10000));
        ProcessEventsFor(300);  // the frame and the first placement
    }

    TempDir dir;
    std::unique_ptr<TMainForm> window;
    std::vector<std::string> messages;

private:
    QByteArray originalTemp_;
};

TEST_F(UnderWindowManager, SwitchingTheLanguageNeverLeavesTheWindowMinimisedOrMoved)
{
    Start();
    const QRect before = window->frameGeometry();
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE("switch " + std::to_string(i + 1));
        window->Action(i % 2 ? "LanguageEnglish" : "LanguageChinese")->trigger();
        ProcessEventsFor(150);  // the window manager's answers arrive
        EXPECT_FALSE(window->isMinimized());
        EXPECT_FALSE(WindowManagerState(*window).contains("_NET_WM_STATE_HIDDEN")) << WindowManagerState(*window).toStdString();
        EXPECT_TRUE(window->isVisible());
    }
    EXPECT_EQ(window->frameGeometry(), before);
    EXPECT_TRUE(messages.empty());
}

TEST_F(UnderWindowManager, ALargeMovieKeepsTheWholeFramedWindowOnTheScreen)
{
    const auto project = dir / "large.gmr";
    WriteFile(project, MovieXml(StaticTextXml("Text_1", "Hi", 10, 10),
                                "<BgColor>16777215</BgColor><Width>800</Width><Height>600</Height><Rate>12</Rate>"));
    Start();
    // Low on the screen, where a window grown for the movie would run off it.
    window->move(200, 400);
    ProcessEventsFor(300);
    window->OpenFile(QString::fromStdString(project.string()));
    ProcessEventsFor(500);
    const QRect room = window->screen()->availableGeometry();
    const QRect framed = window->frameGeometry();
    EXPECT_GT(framed.height(), window->geometry().height()) << "the window manager draws a title bar";
    EXPECT_TRUE(room.contains(framed)) << "window " << framed.x() << "," << framed.y() << " " << framed.width() << "x"
                                       << framed.height() << " on " << room.width() << "x" << room.height();
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace glimmora::test
