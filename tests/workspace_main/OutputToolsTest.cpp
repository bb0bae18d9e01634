// The output tools from the main window: the two projector dialogs, the
// screensaver command and the capture windows.
#include "MainWindowFixture.h"

#include "player/widget/TShockwaveFlash.h"
#include "support/ProjectFixtures.h"
#include "tools/ScreenSaverInstall.h"
#include "tools/TCaptureForm.h"
#include "tools/TExeToSwfForm.h"
#include "tools/TSwfToExeForm.h"
#include "tools/files/PlayerProgram.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <fstream>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& file) { return ReadFile(file); }

std::string U32LE(uint32_t v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char((v >> 24) & 0xFF)};
}

const std::string kMarker = "\x56\x34\x12\xFA";

class OutputToolsTest : public MainWindowTest {
protected:
    OutputToolsTest() {
        fs::create_directories(program);
        WriteFile(program / "glimmora-player", playerBytes);
    }
    ~OutputToolsTest() override { SetScreenSaverDataFolder({}); }

    // Starts with a project, then takes the player from a folder of this test.
    // The file choosers answer from `files` and note their filters.
    void StartProject() {
        Start(QString::fromStdString(WriteProject("show.gmr", TextsProject({{"T", 0}})).string()));
        TMainForm::SetProgramFolder(program);
        window->SetFileChooser([this](QWidget*, const QString&, const QString& filter, bool save) {
            filters.push_back(filter + (save ? " (save)" : ""));
            if (files.empty()) return QString();
            const QString file = files.front();
            files.pop_front();
            return file;
        });
    }

    // Triggers `command`, which runs a modal dialog of type D; `act` runs
    // once it is up. A dialog still open afterwards is closed (the close box).
    template <typename D>
    void WithDialog(const char* command, const std::function<void(D&)>& act) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
            if (dialog) {
                seen = true;
                act(*dialog);
            }
            if (QWidget* still = QApplication::activeModalWidget()) still->close();
        });
        window->Action(command)->trigger();
        EXPECT_TRUE(seen) << command << ": no dialog";
    }

    std::vector<QString> Texts() const {
        std::vector<QString> texts;
        for (const auto& box : boxes) texts.push_back(box.text);
        return texts;
    }

    fs::path program = dir / "program";
    std::vector<QString> filters;
    const std::string playerBytes = "\x7f" "ELF" + tools::PlayerMark() + " stand-in player " + std::string(300, 'p');
};

// ---- Projector dialogs -----------------------------------------------------

TEST_F(OutputToolsTest, TheSwfToExeDialogShowsItsNamesAndConverts) {
    StartProject();
    const fs::path movie = dir / "movie.swf";
    WriteFile(movie, "FWS-the-movie");
    files.push_back(QString::fromStdString(movie.string()));
    WithDialog<TSwfToExeForm>("FileSwfToExe", [&](TSwfToExeForm& form) {
        EXPECT_EQ(form.objectName(), "SwfToExeForm");
        EXPECT_EQ(form.windowTitle(), "Convert Swf To Exe");
        EXPECT_EQ(form.size(), QSize(343, 122));
        const std::pair<const char*, const char*> labels[] = {
            {"Label1", "Convert Swf To Exe:"}, {"Label2", "Source file (.swf):"}, {"Label3", "Target file (.exe):"}};
        for (const auto& [name, text] : labels) {
            auto* label = form.findChild<QLabel*>(name);
            ASSERT_NE(label, nullptr) << name;
            EXPECT_EQ(label->text(), text);
        }
        EXPECT_EQ(form.findChild<QLineEdit*>("SourceSwf"), &form.SourceSwf());
        EXPECT_EQ(form.SourceSwf().text().toStdString(), movie.string());
        EXPECT_EQ(form.TargetExe().text().toStdString(), (dir / "movie.exe").string());
        auto* ok = form.findChild<QPushButton*>("OK");
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), "OK");
        auto* cancel = form.findChild<QPushButton*>("Cancel");
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(cancel->text(), "Cancel");
        ok->click();
        EXPECT_FALSE(form.isVisible()) << "OK closes the dialog";
    });
    EXPECT_EQ(Texts(), std::vector<QString>{"File has been converted successfully!"});
    EXPECT_EQ(Bytes(dir / "movie.exe"), playerBytes + "FWS-the-movie" + kMarker + U32LE(13));
    EXPECT_EQ(filters, std::vector<QString>{"SWF file (*.swf)"});
}

TEST_F(OutputToolsTest, TheExeToSwfDialogTakesTheMovieBackOrSaysItIsNoProjector) {
    StartProject();
    const fs::path projector = dir / "show.exe";
    WriteFile(projector, playerBytes + "FWS-inside" + kMarker + U32LE(10));
    WriteFile(dir / "plain.exe", playerBytes);
    struct Case {
        const char* name;
        fs::path source;
        const char* targetText;  // nullptr: leave the proposed name
        fs::path expected;       // empty: nothing is written
        QString message;
    };
    const Case cases[] = {
        {"a projector", projector, nullptr, dir / "show.swf", "File has been converted successfully!"},
        {"target emptied", projector, "", dir / "show.swf", "File has been converted successfully!"},
        {"another target", projector, "other.swf", fs::path("other.swf"), "File has been converted successfully!"},
        {"no projector", dir / "plain.exe", nullptr, {}, "Unknown type of executable flash file!"},
    };
    const fs::path cwd = fs::current_path();
    fs::current_path(dir.Path());  // a relative target is relative to here
    filters.clear();
    for (const Case& c : cases) {
        boxes.clear();
        fs::remove(dir / "show.swf");
        files.push_back(QString::fromStdString(c.source.string()));
        WithDialog<TExeToSwfForm>("FileExeToSwf", [&](TExeToSwfForm& form) {
            EXPECT_EQ(form.objectName(), "ExeToSwfForm");
            EXPECT_EQ(form.windowTitle(), "Convert Exe To Swf");
            EXPECT_EQ(form.size(), QSize(342, 120));
            EXPECT_EQ(form.findChild<QLabel*>("Label3")->text(), "Target file (.swf):");
            EXPECT_EQ(form.TargetSwf().text().toStdString(), fs::path(c.source).replace_extension(".swf").string());
            if (c.targetText) form.TargetSwf().setText(c.targetText);
            form.OK().click();
        });
        EXPECT_EQ(Texts(), std::vector<QString>{c.message}) << c.name;
        if (!c.expected.empty()) EXPECT_EQ(Bytes(dir / c.expected), "FWS-inside") << c.name;
        else EXPECT_FALSE(fs::exists(dir / "plain.swf")) << c.name;
    }
    fs::current_path(cwd);
    EXPECT_EQ(filters, std::vector<QString>(std::size(cases), "EXE file (*.exe)"));
}

// The projector of the open project proposes the project's own movie as the
// target: replacing it takes the user's word, and Cancel converts nothing.
TEST_F(OutputToolsTest, AnExistingTargetIsReplacedOnlyWhenTheUserSaysSo) {
    StartProject();
    const fs::path projector = dir / "show.exe";
    WriteFile(projector, playerBytes + "FWS-inside" + kMarker + U32LE(10));
    const fs::path movie = dir / "show.swf";
    struct Case {
        const char* name;
        QMessageBox::StandardButton answer;  // NoButton: Cancel is clicked instead of OK
        bool replaced;
        bool stillOpen;
    };
    const Case cases[] = {
        {"no", QMessageBox::No, false, true},
        {"cancel", QMessageBox::NoButton, false, false},
        {"yes", QMessageBox::Yes, true, false},
    };
    for (const Case& c : cases) {
        WriteFile(movie, "the project's own movie");
        boxes.clear();
        answers = {c.answer};
        files.push_back(QString::fromStdString(projector.string()));
        bool stillOpen = false;
        WithDialog<TExeToSwfForm>("FileExeToSwf", [&](TExeToSwfForm& form) {
            EXPECT_EQ(form.TargetSwf().text().toStdString(), movie.string());
            if (c.answer == QMessageBox::NoButton) form.Cancel().click();
            else form.OK().click();
            stillOpen = form.isVisible();
        });
        EXPECT_EQ(Bytes(movie), c.replaced ? "FWS-inside" : "the project's own movie") << c.name;
        EXPECT_EQ(stillOpen, c.stillOpen) << c.name;
        if (c.answer != QMessageBox::NoButton) {
            ASSERT_GE(boxes.size(), 1u) << c.name;
            EXPECT_EQ(boxes[0].kind, MessageBoxes::Kind::Question) << c.name;
            EXPECT_TRUE(boxes[0].text.contains(QString::fromStdString(movie.string()))) << boxes[0].text.toStdString();
        } else {
            EXPECT_TRUE(boxes.empty()) << c.name;
        }
    }

    // The other dialog asks the same, also for the name it makes of an empty target.
    WriteFile(movie, "FWS-movie");
    WriteFile(dir / "show-copy.exe", "an older projector");
    fs::copy_file(movie, dir / "show-copy.swf");
    boxes.clear();
    answers = {QMessageBox::No};
    files.push_back(QString::fromStdString((dir / "show-copy.swf").string()));
    WithDialog<TSwfToExeForm>("FileSwfToExe", [&](TSwfToExeForm& form) {
        form.TargetExe().setText("");
        form.OK().click();
    });
    EXPECT_EQ(Bytes(dir / "show-copy.exe"), "an older projector");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, MessageBoxes::Kind::Question);
}

TEST_F(OutputToolsTest, ProjectorFailuresAreReportedAndAnErrorKeepsTheDialogOpen) {
    StartProject();
    const fs::path movie = dir / "movie.swf";
    WriteFile(movie, "FWS-the-movie");

    // No player in the program folder: "Something error!", and the dialog closes.
    fs::remove(program / "glimmora-player");
    files.push_back(QString::fromStdString(movie.string()));
    WithDialog<TSwfToExeForm>("FileSwfToExe", [&](TSwfToExeForm& form) {
        form.TargetExe().setText("");
        form.OK().click();
        EXPECT_FALSE(form.isVisible());
    });
    EXPECT_EQ(Texts(), std::vector<QString>{"Something error!"});
    EXPECT_FALSE(fs::exists(dir / "movie.exe"));

    // A source that cannot be read: its error names it, the dialog stays open.
    WriteFile(program / "glimmora-player", playerBytes);
    boxes.clear();
    files.push_back(QString::fromStdString(movie.string()));
    bool stillOpen = false;
    WithDialog<TSwfToExeForm>("FileSwfToExe", [&](TSwfToExeForm& form) {
        form.SourceSwf().setText(QString::fromStdString((dir / "gone.swf").string()));
        form.OK().click();
        stillOpen = form.isVisible();
    });
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, MessageBoxes::Kind::Error);
    EXPECT_TRUE(boxes[0].text.contains(QString::fromStdString((dir / "gone.swf").string()))) << boxes[0].text.toStdString();
    EXPECT_FALSE(fs::exists(dir / "movie.exe"));

    // Cancelling the file chooser shows no dialog.
    window->Action("FileExeToSwf")->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// ---- Screensaver -----------------------------------------------------------

class ScreenSaverTest : public OutputToolsTest {
protected:
    ScreenSaverTest() {
        SetScreenSaverDataFolder(data);
        originalPath = qgetenv("PATH");
        fs::create_directories(bin);
        qputenv("PATH", QByteArray::fromStdString(bin.string()));
    }
    ~ScreenSaverTest() override { qputenv("PATH", originalPath); }

    // A settings program on PATH that notes that it was started.
    void InstallFakeSettings(const std::string& name) {
        const fs::path script = bin / name;
        std::ofstream(script) << "#!/bin/sh\necho started > '" << (dir / "settings-started").string() << "'\n";
        fs::permissions(script, fs::perms::owner_all);
    }
    bool SettingsStarted() {
        for (int i = 0; i < 100 && !fs::exists(dir / "settings-started"); ++i) ProcessEventsFor(50);
        return fs::exists(dir / "settings-started");
    }
    std::string Movie() const { return window->Flash().Movie().toStdString(); }

    fs::path data = dir / "data";
    fs::path bin = dir / "bin";
    QByteArray originalPath;
};

TEST_F(ScreenSaverTest, TheShownMovieBecomesTheScreensaverAndTheSettingsStart) {
    StartProject();
    InstallFakeSettings("mate-screensaver-preferences");
    window->Action("FileSetAsScreenSaver")->trigger();

    const fs::path saver = data / "glimmora" / "Tessaly.scr";
    const std::string swf = Bytes(Movie());
    ASSERT_FALSE(swf.empty());
    EXPECT_EQ(Bytes(saver), playerBytes + swf + U32LE(uint32_t(swf.size() + 4)));
    EXPECT_NE(fs::status(saver).permissions() & fs::perms::owner_exec, fs::perms::none);
    const std::string entry = Bytes(data / "applications" / "screensavers" / "glimmora-screensaver.desktop");
    EXPECT_NE(entry.find("[Desktop Entry]\n"), std::string::npos);
    EXPECT_NE(entry.find("\nExec=" + saver.string() + " -root\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\nCategories=Screensaver;\n"), std::string::npos) << entry;
    EXPECT_TRUE(SettingsStarted());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ScreenSaverTest, ASecondUseReplacesTheFirstAtTheSamePath) {
    StartProject();
    window->Action("FileSetAsScreenSaver")->trigger();
    const fs::path saver = data / "glimmora" / "Tessaly.scr";
    const std::string first = Bytes(saver);
    ASSERT_FALSE(first.empty());
    // Without a settings program the user is told where the file is.
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains(QString::fromStdString(saver.string()))) << boxes[0].text.toStdString();

    // Another movie in the preview: a wider stage gives other bytes.
    const fs::path other = WriteProject("wide.gmr", MovieXml(StaticTextXml("W", "Wide", 5, 5),
        "<BgColor>255</BgColor><Width>400</Width><Height>240</Height><Rate>12</Rate>"));
    window->OpenFile(QString::fromStdString(other.string()));
    TMainForm::SetProgramFolder(program);
    boxes.clear();
    window->Action("FileSetAsScreenSaver")->trigger();
    const std::string swf = Bytes(Movie());
    EXPECT_EQ(Bytes(saver), playerBytes + swf + U32LE(uint32_t(swf.size() + 4)));
    EXPECT_NE(Bytes(saver), first);
    EXPECT_EQ(std::distance(fs::directory_iterator(data / "glimmora"), fs::directory_iterator()), 1)
        << "one file, no leftovers";
}

TEST_F(ScreenSaverTest, WithoutThePlayerItIsSomethingErrorAndNothingIsInstalled) {
    StartProject();
    InstallFakeSettings("xscreensaver-demo");
    fs::remove(program / "glimmora-player");
    window->Action("FileSetAsScreenSaver")->trigger();
    EXPECT_EQ(Texts(), std::vector<QString>{"Something error!"});
    EXPECT_FALSE(fs::exists(data / "glimmora" / "Tessaly.scr"));
    EXPECT_FALSE(fs::exists(data / "applications"));
    ProcessEventsFor(200);
    EXPECT_FALSE(fs::exists(dir / "settings-started"));
}

TEST(ScreenSaverEntry, ExecQuotesPathsWithReservedCharacters) {
    struct Case {
        const char* path;
        const char* exec;
    };
    const Case cases[] = {
        {"/home/a/Tessaly.scr", "Exec=/home/a/Tessaly.scr -root"},
        {"/home/a b/Tessaly.scr", "Exec=\"/home/a b/Tessaly.scr\" -root"},
        {"/home/$x/100%/T.scr", "Exec=\"/home/\\\\$x/100%%/T.scr\" -root"},
        {"/h/q\"uote/T.scr", "Exec=\"/h/q\\\\\"uote/T.scr\" -root"},
    };
    for (const Case& c : cases) {
        const QString text = ScreenSaverEntryText(c.path);
        EXPECT_TRUE(text.contains(QString("\n") + c.exec + "\n")) << c.path << "\n" << text.toStdString();
    }
}

// ---- Capture ---------------------------------------------------------------

class CaptureTest : public OutputToolsTest {
protected:
    void StartShown() {
        StartProject();
        window->show();
        window->Action("ControlStop")->trigger();  // a still picture
        ProcessEventsFor(50);
    }
    std::vector<TCaptureForm*> CaptureWindows() const {
        std::vector<TCaptureForm*> forms;
        for (TCaptureForm* form : window->findChildren<TCaptureForm*>()) forms.push_back(form);
        return forms;
    }
};

TEST_F(CaptureTest, ThePictureHasThePreviewsSizeAndFillsANewWindow) {
    StartShown();
    EXPECT_EQ(window->Action("CaptureWindow")->shortcut(), QKeySequence(Qt::Key_F9));
    const QSize preview = window->Flash().size();
    ASSERT_FALSE(preview.isEmpty());
    const QImage expected = window->Flash().grab().toImage();
    window->Action("CaptureWindow")->trigger();

    QLabel& image1 = window->Image1();
    EXPECT_EQ(image1.objectName(), "Image1");
    EXPECT_FALSE(image1.isVisible());
    EXPECT_EQ(image1.size(), QSize(1, 1));
    EXPECT_EQ(image1.pixmap().size(), preview);

    const auto forms = CaptureWindows();
    ASSERT_EQ(forms.size(), 1u);
    TCaptureForm& form = *forms[0];
    ProcessEventsFor(20);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.objectName(), "CaptureForm");
    EXPECT_EQ(form.windowTitle(), "Capture Picture");
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form.Image1().objectName(), "Image1");
    EXPECT_EQ(form.Image1().size(), preview) << "the client area is the picture";
    EXPECT_EQ(form.centralWidget(), &form.Image1());
    EXPECT_EQ(form.Picture().toImage().convertToFormat(expected.format()), expected);
    const QPoint centre = form.screen()->availableGeometry().center();
    EXPECT_LE((form.frameGeometry().center() - centre).manhattanLength(), 2);
    QAction* save = form.findChild<QAction*>("File1");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(), "&Save");
    EXPECT_TRUE(form.menuBar()->actions().contains(save));

    // Closing hides; the window lives on with the main window.
    form.close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(CaptureWindows().size(), 1u);
    EXPECT_FALSE(CaptureWindows()[0]->isVisible());
}

TEST_F(CaptureTest, TwoCapturesGiveTwoWindowsWithTheirOwnPictures) {
    StartShown();
    window->Action("CaptureWindow")->trigger();
    window->Flash().SetBackgroundColor(0x0000FF);  // red
    ProcessEventsFor(20);
    window->Action("CaptureWindow")->trigger();

    const auto forms = CaptureWindows();
    ASSERT_EQ(forms.size(), 2u);
    const QImage first = forms[0]->Picture().toImage();
    const QImage second = forms[1]->Picture().toImage();
    const QPoint corner(first.width() - 2, first.height() - 2);
    EXPECT_NE(first.pixelColor(corner), QColor(Qt::red));
    EXPECT_EQ(second.pixelColor(corner), QColor(Qt::red));
    EXPECT_EQ(window->Image1().pixmap().toImage().pixelColor(corner), QColor(Qt::red)) << "Image1 keeps the last";
    EXPECT_TRUE(forms[0]->isVisible() && forms[1]->isVisible());
}

TEST_F(CaptureTest, SavingWritesABitmapUnderTheChosenNameWithBmpAdded) {
    StartShown();
    window->Action("CaptureWindow")->trigger();
    TCaptureForm& form = *CaptureWindows().at(0);
    const QSize size = form.Picture().size();
    struct Case {
        const char* chosen;
        const char* written;
    };
    const Case cases[] = {{"pic", "pic.bmp"}, {"shot.BMP", "shot.BMP"}, {"more.bmp", "more.bmp"},
                          {"photo.png", "photo.png.bmp"}};
    for (const Case& c : cases) {
        files.push_back(QString::fromStdString((dir / c.chosen).string()));
        form.File1Click();
        const QImage saved(QString::fromStdString((dir / c.written).string()), "BMP");
        EXPECT_EQ(saved.size(), size) << c.chosen;
        EXPECT_EQ(Bytes(dir / c.written).substr(0, 2), "BM") << c.chosen;
    }
    EXPECT_FALSE(fs::exists(dir / "shot.BMP.bmp"));
    EXPECT_FALSE(fs::exists(dir / "more.bmp.bmp"));
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(filters, std::vector<QString>(std::size(cases), "Bmp File (*.bmp) (save)"));

    // Cancelled: nothing. A folder that does not exist: an error, the window stays.
    form.File1Click();
    files.push_back(QString::fromStdString((dir / "nowhere" / "pic").string()));
    form.File1Click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, MessageBoxes::Kind::Error);
    EXPECT_TRUE(boxes[0].text.contains("nowhere")) << boxes[0].text.toStdString();
    EXPECT_TRUE(form.isVisible());
}

}  // namespace
}  // namespace glimmora::test
