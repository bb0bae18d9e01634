// Unsaved work outlives a killed editor: the next start offers it back.
#include "MainWindowFixture.h"

#include "document/ProjectFiles.h"
#include "generation/TVuzozUzev.h"
#include "support/ProjectFixtures.h"
#include "support/TestPaths.h"
#include "workspace/TObjListForm.h"
#include "workspace/UnsavedWork.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

#include <csignal>
#include <iostream>

namespace glimmora::test {
namespace {

constexpr const char* kChildProject = "GLIMMORA_TEST_EDIT_AND_WAIT";

// The editor that gets killed: this test program started again with only this
// test, a real main window that inserts a text into the project it is given
// and waits, unsaved, until its work has been kept.
TEST(KilledEditorChild, InsertsATextAndWaitsToBeKilled)
{
    const QString project = qEnvironmentVariable(kChildProject);
    if (project.isEmpty()) GTEST_SKIP() << "runs only as the editor that RecoveryTest kills";
    EnsureApplication();
    MessageBoxes::SetSink([](QWidget*, const MessageBoxes::Request& request) {
        std::cout << "asked: " << request.text.toStdString() << std::endl;
        return QMessageBox::No;
    });
    TMainForm::SetProgramFolder(GLIMMORA_PROGRAM_DIR);
    TMainForm window(project);
    window.show();
    window.InsertText();
    const std::filesystem::path kept = FolderOfBase(window.UntitledBase()) / "Unsaved.gmr";
    QDeadlineTimer deadline(30000);
    while (!std::filesystem::exists(kept) && !deadline.hasExpired()) ProcessEventsFor(50);
    std::cout << (std::filesystem::exists(kept) ? "kept" : "never kept") << std::endl;
    for (;;) ProcessEventsFor(1000);
}

class RecoveryTest : public MainWindowTest {
protected:
    std::filesystem::path Own() const { return FolderOfBase(window->UntitledBase()); }
};

TEST_F(RecoveryTest, AKilledEditorsUnsavedWorkIsOfferedAtTheNextStartAndSavedWhereItBelongs)
{
    const std::filesystem::path project = WriteProject("p/rec.gmr", TextsProject({{"T", 0}}));
    const std::string onDisk = ReadFile(project);

    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TEMP", QString::fromStdString(temp.string()));
    environment.insert(kChildProject, QString::fromStdString(project.string()));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("GLIMMORA_NO_AUDIO", "1");
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString((dir / "child-settings").string()));
    editor.setProcessEnvironment(environment);
    editor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    editor.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=KilledEditorChild.*"});
    ASSERT_TRUE(editor.waitForStarted(10000));
    QByteArray said;
    QDeadlineTimer deadline(60000);
    while (!said.contains("kept") && !said.contains("never") && !deadline.hasExpired()) {
        editor.waitForReadyRead(200);
        said += editor.readAllStandardOutput();
    }
    ASSERT_TRUE(said.contains("kept")) << said.toStdString();
    ::kill(pid_t(editor.processId()), SIGKILL);
    ASSERT_TRUE(editor.waitForFinished(10000));
    ASSERT_EQ(editor.exitStatus(), QProcess::CrashExit);

    answers = {QMessageBox::Yes};
    Start();
    ASSERT_EQ(QuestionsAsked().size(), 1u);
    EXPECT_TRUE(QuestionsAsked()[0].text.startsWith("Glimmora did not close properly")) << QuestionsAsked()[0].text.toStdString();
    EXPECT_TRUE(QuestionsAsked()[0].text.contains(QString::fromStdString(project.string())));
    ASSERT_EQ(ObjectListTexts().size(), 2u);
    EXPECT_EQ(window->ObjListForm()->Movie().Obj().Items(1).ObjTypeName(), "Text");
    EXPECT_EQ(window->Builder()->BasePath, std::filesystem::path(project).replace_extension());
    EXPECT_TRUE(window->Modified()) << "recovered work is unsaved";
    EXPECT_EQ(ReadFile(project), onDisk) << "files on disk change only when the user saves";

    ASSERT_TRUE(window->FileSave());
    EXPECT_NE(ReadFile(project), onDisk);
    EXPECT_FALSE(std::filesystem::exists(Own() / "Unsaved.gmr")) << "saved: nothing left to recover";
    window->close();
    window.reset();
    boxes.clear();
    Start();
    EXPECT_TRUE(QuestionsAsked().empty());
}

// What an editor that never closed left in a working folder of its own.
std::filesystem::path LeaveUntitledWork(const std::filesystem::path& temp, const std::string& xml)
{
    const std::filesystem::path folder = temp / "Glimmora-Untitled-4242";
    std::filesystem::create_directories(folder);
    UnsavedWork(folder).Keep({}, {}, [&](const std::filesystem::path& file) { WriteFile(file, xml); });
    return folder;
}

TEST_F(RecoveryTest, AnUntitledProjectComesBackWithItsPicturesAndNoDiscardsIt)
{
    struct Case {
        QMessageBox::StandardButton answer;
        size_t objects;
    };
    for (const Case& c : {Case{QMessageBox::Yes, 1}, Case{QMessageBox::No, 0}}) {
        SCOPED_TRACE(c.answer == QMessageBox::Yes ? "Yes" : "No");
        const std::filesystem::path left =
            LeaveUntitledWork(temp, MovieXml(StaticPictureXml("Pic_1", 5, 6, 40, 20)));
        WriteSolidJpeg(left / "Pic_1.jpg", 40, 20, 255, 0, 0);
        boxes.clear();
        answers = {c.answer};
        Start();
        ASSERT_EQ(QuestionsAsked().size(), 1u);
        EXPECT_TRUE(QuestionsAsked()[0].text.contains("Untitled.gmr"));
        EXPECT_EQ(ObjectListTexts().size(), c.objects);
        EXPECT_EQ(window->Builder()->BasePath, window->UntitledBase());
        EXPECT_EQ(window->Modified(), c.answer == QMessageBox::Yes);
        EXPECT_EQ(std::filesystem::exists(Own() / "Pic_1.jpg"), c.answer == QMessageBox::Yes);
        EXPECT_FALSE(UnsavedWork::Read(left)) << "offered once";
        window->close();
        window.reset();
        std::filesystem::remove_all(temp);
        std::filesystem::create_directories(temp);
    }
}

TEST_F(RecoveryTest, WorkIsKeptWhileUnsavedAndForgottenOnSaveAndOnClose)
{
    Start(QString::fromStdString(WriteProject("p/k.gmr", TextsProject({{"T", 0}})).string()));
    const std::filesystem::path kept = Own() / "Unsaved.gmr";
    window->KeepUnsavedWork();
    EXPECT_FALSE(std::filesystem::exists(kept)) << "nothing unsaved yet";
    window->InsertText();
    window->KeepUnsavedWork();
    ASSERT_TRUE(std::filesystem::exists(kept));
    const auto found = UnsavedWork::Read(Own());
    ASSERT_TRUE(found);
    EXPECT_EQ(found->project, dir / "p" / "k.gmr");
    EXPECT_EQ(found->document, ReadFile(kept));
    ASSERT_TRUE(window->FileSave());
    EXPECT_FALSE(std::filesystem::exists(kept));

    window->InsertText();
    window->KeepUnsavedWork();
    ASSERT_TRUE(std::filesystem::exists(kept));
    answers = {QMessageBox::No};
    ASSERT_TRUE(window->FileClose());
    EXPECT_FALSE(std::filesystem::exists(kept)) << "the user chose not to keep it";
}

}  // namespace
}  // namespace glimmora::test
