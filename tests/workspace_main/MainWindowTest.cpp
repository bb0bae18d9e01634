// Start-up, the caption, command states, the save question and the working base.
#include "MainWindowFixture.h"

#include "generation/TVuzozUzev.h"
#include "player/widget/TShockwaveFlash.h"
#include "support/ProjectFixtures.h"
#include "support/TestPaths.h"
#include "workspace/WorkingBase.h"
#include "document/ProjectFiles.h"
#include "effects/sound/conversion/ChosenSound.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QSettings>
#include <QThread>
#include <QToolBar>
#include <QToolButton>

namespace glimmora::test {
namespace {

TEST_F(MainWindowTest, StartsWithAnUntitledBlankMovieAndCaptionsItsFrames) {
    Start();
    ASSERT_NE(window->Builder(), nullptr);
    window->UpdateTitle();
    const int frames = window->Flash().TotalFrames();
    ASSERT_GE(frames, 1);
    EXPECT_EQ(window->windowTitle().toStdString(),
              "Glimmora 3.5 - Untitled.gmr (1/" + std::to_string(frames) + " Frames)");
    EXPECT_EQ(window->Builder()->WorkingProject, temp / "Glimmora-Untitled" / "Untitled.gmr");
    EXPECT_TRUE(std::filesystem::exists(temp / "Glimmora-Untitled" / "Untitled.swf"));
}

// The toolbar's buttons show pictures without captions; the hint names each.
TEST_F(MainWindowTest, ToolbarButtonsShowPicturesAndHints) {
    Start();
    auto* toolBar = window->findChild<QToolBar*>("ToolBar");
    ASSERT_NE(toolBar, nullptr);
    QStringList named;
    for (QAction* action : toolBar->actions()) {
        if (action->isSeparator()) continue;
        auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(action));
        ASSERT_NE(button, nullptr) << action->objectName().toStdString();
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly) << action->objectName().toStdString();
        EXPECT_FALSE(action->icon().pixmap(16, 16).isNull()) << action->objectName().toStdString();
        EXPECT_FALSE(action->toolTip().isEmpty()) << action->objectName().toStdString();
        named << action->objectName();
    }
    EXPECT_EQ(named, QStringList({"FileNew", "FileOpen", "FileSave", "EditUndo", "EditRedo", "EditCut", "EditCopy",
                                  "EditPaste", "InsertText", "InsertPicture", "InsertSound",
                                  "ControlPlay", "ControlPause", "ControlStop", "ControlBackward", "ControlForward",
                                  "ControlLoop"}));
    // The drawn pictures differ from each other.
    const QStringList drawn{"InsertText", "InsertPicture", "InsertSound", "EditCut", "EditCopy", "EditPaste"};
    for (const QString& one : drawn)
        for (const QString& other : drawn)
            if (one < other) {
                EXPECT_NE(window->Action(one)->icon().pixmap(16, 16).toImage(),
                          window->Action(other)->icon().pixmap(16, 16).toImage())
                    << one.toStdString() << " " << other.toStdString();
            }
}

TEST_F(MainWindowTest, GoToEndShowsTheLastFrameInTheCaption) {
    Start(QString::fromStdString(WriteProject("a/long.gmr", TextsProject({{"T", 0}})).string()));
    const int frames = window->Flash().TotalFrames();
    window->Action("ControlStop")->trigger();
    window->UpdateTitle();
    EXPECT_FALSE(window->Flash().Playing());
    EXPECT_EQ(window->windowTitle().toStdString(),
              "Glimmora 3.5 - long.gmr (" + std::to_string(frames) + "/" + std::to_string(frames) + " Frames)");
}

TEST_F(MainWindowTest, CaptionMarksTheProjectWhileItDiffersFromTheSavedOne) {
    Start(QString::fromStdString(WriteProject("a/marked.gmr", TextsProject({{"T", 0}})).string()));
    const auto caption = [this] {
        window->UpdateTitle();
        return window->windowTitle().toStdString();
    };
    EXPECT_EQ(caption().find("*"), std::string::npos);

    window->Action("InsertText")->trigger();
    EXPECT_NE(caption().find("Glimmora 3.5 - marked.gmr* ("), std::string::npos) << caption();

    window->Action("FileSave")->trigger();
    EXPECT_EQ(caption().find("*"), std::string::npos) << caption();

    // Closed: no project is named any more.
    window->Action("FileClose")->trigger();
    EXPECT_EQ(caption(), "Glimmora 3.5");
}

struct StateCase {
    const char* state;
    bool play;
    bool project;
};

class CommandStateTest : public MainWindowTest, public ::testing::WithParamInterface<StateCase> {};

TEST_P(CommandStateTest, GroupsFollowTheState) {
    const StateCase& c = GetParam();
    const std::string state = c.state;
    if (state == "swf") {
        Start();
        const std::filesystem::path movie = dir / "shown.swf";
        std::filesystem::copy_file(temp / "Glimmora-Untitled" / "Untitled.swf", movie);
        window.reset();
        Start(QString::fromStdString(movie.string()));
        EXPECT_EQ(window->Builder(), nullptr);
        EXPECT_TRUE(window->Flash().Playing());
    } else {
        Start();
        if (state == "empty") window->Action("FileClose")->trigger();
    }
    for (const char* name : {"ControlPlay", "ControlPause", "ControlStop", "ControlForward", "ControlBackward",
                             "ControlLoop", "FileClose", "CaptureWindow"})
        EXPECT_EQ(Enabled(name), c.play) << state << " " << name;
    for (const char* name : {"FileSave", "FileSaveAs", "FileExportAsSwf", "FileSetAsScreenSaver", "InsertText",
                             "InsertPicture", "InsertSound", "WindowWorkSpace", "WindowShow"})
        EXPECT_EQ(Enabled(name), c.project) << state << " " << name;
    for (const char* name : {"FileNew", "FileOpen", "FileExit", "HelpAbout", "HelpContents", "FileSwfToExe",
                             "FileExeToSwf"})
        EXPECT_TRUE(Enabled(name)) << state << " " << name;
}

INSTANTIATE_TEST_SUITE_P(States, CommandStateTest,
                         ::testing::Values(StateCase{"project", true, true}, StateCase{"swf", true, false},
                                           StateCase{"empty", false, false}),
                         [](const auto& info) { return std::string(info.param.state); });

TEST_F(MainWindowTest, NewAsksOnlyWhenChangedAndCancelKeepsTheProject) {
    Start();
    guideAnswers = {false};
    window->Action("FileNew")->trigger();  // unchanged: no question, guide cancelled
    EXPECT_TRUE(QuestionsAsked().empty());
    EXPECT_EQ(window->Builder(), nullptr);
    EXPECT_FALSE(Enabled("InsertText"));

    guideAnswers = {true};
    window->Action("FileNew")->trigger();
    ASSERT_NE(window->Builder(), nullptr);
    window->Action("InsertText")->trigger();
    ASSERT_TRUE(window->Modified());

    answers = {QMessageBox::Cancel};
    window->Action("FileNew")->trigger();
    ASSERT_EQ(QuestionsAsked().size(), 1u);
    EXPECT_EQ(QuestionsAsked()[0].text, "Save changes?");
    EXPECT_NE(window->Builder(), nullptr);  // cancelled: the changed project stays
    EXPECT_EQ(ObjectListTexts().size(), 1u);

    answers = {QMessageBox::No};
    guideAnswers = {false};
    window->Action("FileNew")->trigger();
    EXPECT_EQ(QuestionsAsked().size(), 2u);
    EXPECT_EQ(window->Builder(), nullptr);
    EXPECT_FALSE(Enabled("FileSave"));
    EXPECT_FALSE(Enabled("InsertText"));
}

TEST_F(MainWindowTest, CloseAndOpenAskBeforeDroppingChanges) {
    const auto other = WriteProject("b/other.gmr", TextsProject({{"X", 0}}));
    Start();
    window->Action("InsertText")->trigger();
    answers = {QMessageBox::Cancel};
    EXPECT_FALSE(window->FileClose());
    EXPECT_NE(window->Builder(), nullptr);

    answers = {QMessageBox::Cancel};
    window->OpenFile(QString::fromStdString(other.string()));
    EXPECT_EQ(ObjectListTexts().size(), 1u);
    EXPECT_NE(ObjectListTexts()[0], "X");

    answers = {QMessageBox::Yes};
    files = {QString::fromStdString((dir / "saved" / "mine.gmr").string())};
    std::filesystem::create_directories(dir / "saved");
    window->OpenFile(QString::fromStdString(other.string()));
    EXPECT_TRUE(std::filesystem::exists(dir / "saved" / "mine.gmr"));  // saved before opening
    EXPECT_EQ(ObjectListTexts(), std::vector<std::string>{"X"});
    EXPECT_EQ(QuestionsAsked().size(), 3u);

    EXPECT_TRUE(window->FileClose());  // unchanged since opening: nothing asked
    EXPECT_EQ(QuestionsAsked().size(), 3u);
    EXPECT_EQ(window->Flash().Movie(), TShockwaveFlash::kNoMovie);
}

TEST_F(MainWindowTest, ExitAfterCancelledQuestionKeepsTheWindow) {
    Start();
    window->show();
    window->Action("InsertText")->trigger();
    answers = {QMessageBox::Cancel};
    window->Action("FileExit")->trigger();
    EXPECT_TRUE(window->isVisible());
    answers = {QMessageBox::No};
    window->Action("FileExit")->trigger();
    EXPECT_FALSE(window->isVisible());
}

// Opening a project remembers its folder for the project dialogs under a key
// of its own; the media choosers' folder ("LastOpenDir") stays where the
// last picture or sound was chosen.
TEST_F(MainWindowTest, TheLastProjectFolderIsRememberedApartFromTheMediaFolder) {
    const auto project = WriteProject("projects/one.gmr", TextsProject({{"T", 0}}));
    Start();
    window->show();
    GlobalVars().LastOpenDir = (dir / "pictures").string();
    window->OpenFile(QString::fromStdString(project.string()));
    EXPECT_EQ(GlobalVars().LastOpenDir, (dir / "pictures").string());
    window->close();
    window.reset();
    ResetGlobalVars();
    Start();
    EXPECT_EQ(GlobalVars().LastProjectDir, (dir / "projects").string());
    EXPECT_EQ(GlobalVars().LastOpenDir, (dir / "pictures").string());
    // Stored in the program's section "Common".
    const QSettings stored(QSettings::NativeFormat, QSettings::UserScope, "Tessaly", "Glimmora");
    EXPECT_EQ(stored.value("Common/LastOpenDir").toString().toStdString(), (dir / "pictures").string());
    EXPECT_EQ(stored.value("Common/LastProjectDir").toString().toStdString(), (dir / "projects").string());
}

// Each instance's untitled project has a folder of its own, for its working
// copy and for its pictures and sounds.
TEST_F(MainWindowTest, TwoInstancesNeverShareAWorkingBase) {
    WorkingBase first(temp);
    WorkingBase second(temp);
    EXPECT_EQ(first.Base(), temp / "Glimmora-Untitled" / "Untitled");
    EXPECT_NE(second.Base().parent_path(), first.Base().parent_path());
    EXPECT_EQ(second.Base().parent_path().parent_path(), temp);
    EXPECT_TRUE(std::filesystem::is_directory(second.Base().parent_path()));

    Start();  // a third: its working folder is none of the other two
    const auto folder = window->UntitledBase().parent_path();
    EXPECT_NE(folder, first.Base().parent_path());
    EXPECT_NE(folder, second.Base().parent_path());
    EXPECT_EQ(window->Builder()->WorkingProject.parent_path(), folder);
    EXPECT_EQ(TemporarySoundFile(), folder / "test.wav") << "chosen sounds are converted there too";
    EXPECT_EQ(PictureFileOf(window->Builder()->BasePath, "Pic_1"), folder / "Pic_1.jpg") << "and pictures go there";
}

TEST_F(MainWindowTest, ASecondRunningProgramGetsAWorkingCopyOfItsOwn) {
    QProcess first;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TEMP", QString::fromStdString(temp.string()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("GLIMMORA_NO_AUDIO", "1");
    first.setProcessEnvironment(env);
    first.start(QString::fromStdString((std::filesystem::path(GLIMMORA_PROGRAM_DIR) / "glimmora").string()), {});
    ASSERT_TRUE(first.waitForStarted(10000));
    QDeadlineTimer deadline(20000);
    const auto firstFolder = temp / "Glimmora-Untitled";
    while (!std::filesystem::exists(firstFolder / "Untitled.swf") && !deadline.hasExpired()) QThread::msleep(20);
    ASSERT_TRUE(std::filesystem::exists(firstFolder / "Untitled.swf"));

    Start();  // this process is the second program
    EXPECT_NE(window->UntitledBase().parent_path(), firstFolder);
    EXPECT_EQ(window->Builder()->WorkingProject.parent_path(), window->UntitledBase().parent_path());
    EXPECT_TRUE(std::filesystem::exists(window->Builder()->WorkingMovie));
    first.kill();
    first.waitForFinished(5000);
}

TEST_F(MainWindowTest, AWorkingBaseIsFreeAgainOnceReleased) {
    { WorkingBase first(temp); }
    WorkingBase again(temp);
    EXPECT_EQ(again.Base(), temp / "Glimmora-Untitled" / "Untitled");
}

TEST_F(MainWindowTest, AboutNamesProductVersionLicenceAndMemory) {
    const QString about = TMainForm::AboutText();
    EXPECT_TRUE(about.startsWith("Glimmora\nVersion 3.5 (Build 1)"));
    EXPECT_TRUE(about.contains("GPL-3.0-or-later"));
    EXPECT_TRUE(about.contains("Physical memory: "));
    EXPECT_TRUE(about.contains("Memory load: "));
}

}  // namespace
}  // namespace glimmora::test
