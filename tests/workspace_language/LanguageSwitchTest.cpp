// The language commands, the stored choice and the windows that take the
// current language file on when they are shown.
#include "LanguageFixture.h"

#include "objects/TGlobalVars.h"
#include "settings/AppSettings.h"
#include "settings/IniLang.h"
#include "settings/LanguageSwitch.h"
#include "tools/TCaptureForm.h"
#include "tools/TSwfToExeForm.h"
#include "workspace/TAboutBox.h"
#include "workspace/TBackgroundForm.h"
#include "workspace/TGuideForm.h"
#include "workspace/TObjListForm.h"
#include "workspace/TTextExForm.h"
#include "workspace/TTextForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include <sys/stat.h>

namespace glimmora::test {
namespace {

// A language file of the test's own, so that the expected texts are plain.
constexpr char kDutch[] =
    "[MainForm]\n"
    "MainForm.FileNew.Caption=&Nieuw\n"
    "MainForm.FileNew.Hint=Nieuw bestand\n"
    "MainForm.FileMenu.Caption=&Bestand\n"
    "[BackgroundForm]\n"
    "BackgroundForm.Caption=Achtergrond\n"
    "BackgroundForm.EditRate.Hint=Snelheid\n"
    "[ObjListForm]\n"
    "ObjListForm.Caption=Bibliotheek\n"
    "[TextForm]\n"
    "TextForm.Caption=Tekst\n"
    "[TextExForm]\n"
    "TextExForm.Caption=Effect\n"
    "[AboutBox]\n"
    "AboutBox.Caption=Over\n"
    "AboutBox.OKButton.Caption=Goed\n"
    "[GuideForm]\n"
    "GuideForm.Caption=Nieuwe film\n"
    "GuideForm.ListView1.Items[0]=Leeg\n"
    "[SwfToExeForm]\n"
    "SwfToExeForm.Caption=Omzetten\n"
    "SwfToExeForm.Label2.Caption=Bron:\n"
    "[CaptureForm]\n"
    "CaptureForm.Caption=Vastleggen\n";

QMenu* MenuNamed(QMainWindow& window, const char* name) { return window.menuBar()->findChild<QMenu*>(name); }

TEST_F(LanguageTest, ChineseChosenWithoutItsFileIsStoredAndLoadsNothingThen) {
    Start();
    window->show();
    window->Action("LanguageChinese")->trigger();
    EXPECT_EQ(ReadLanguageChoice(), "ChineseGB.ini");
    EXPECT_EQ(CurrentLanguage(), nullptr);
    EXPECT_EQ(Caption("FileNew"), "&New");
    EXPECT_TRUE(boxes.empty());

    Restart();
    window->show();
    EXPECT_EQ(CurrentLanguage(), nullptr);
    EXPECT_EQ(Caption("FileNew"), "&New");
    EXPECT_EQ(window->BackgroundForm()->windowTitle(), "Movie Background  Properties");
}

// The stored choice may name anything: only an ordinary file of a language
// file's size is read, so a folder, a pipe or a huge file neither stalls the
// start nor changes a text.
TEST_F(LanguageTest, AChoiceNamingNoOrdinaryLanguageFileLoadsNothing) {
    std::filesystem::create_directories(program / "Folder.ini");
    ASSERT_EQ(::mkfifo((program / "Pipe.ini").c_str(), 0600), 0);
    {
        std::string huge = kDutch;
        huge.resize(size_t(kMaxLanguageFileBytes) + 1, '\n');
        WriteBytes(program / "Huge.ini", QByteArray::fromStdString(huge));
    }
    WriteBytes(program / "Dutch.ini", kDutch);
    for (const char* name : {"Folder.ini", "Pipe.ini", "Huge.ini", "Dutch.ini"}) {
        SCOPED_TRACE(name);
        WriteLanguageChoice(name);
        Restart();
        window->show();
        const bool loads = std::string(name) == "Dutch.ini";
        EXPECT_EQ(CurrentLanguage() != nullptr, loads);
        EXPECT_EQ(Caption("FileNew"), loads ? "&Nieuw" : "&New");
    }
}

TEST_F(LanguageTest, SwitchingToAMissingFileLeavesNoFileCurrentAndTheTextsAsShown) {
    WriteBytes(program / "ChineseGB.ini", kDutch);
    Start();
    window->show();
    window->Action("LanguageChinese")->trigger();
    ASSERT_EQ(Caption("FileNew"), "&Nieuw");
    window->Action("LanguageEnglish")->trigger();  // no English.ini in this program folder
    EXPECT_EQ(ReadLanguageChoice(), "English.ini");
    EXPECT_EQ(CurrentLanguage(), nullptr);
    EXPECT_EQ(Caption("FileNew"), "&Nieuw");
    // A window shown from now on keeps its own texts.
    window->TextForm()->show();
    EXPECT_EQ(window->TextForm()->windowTitle(), "Text Properties");
}

TEST_F(LanguageTest, EnglishChosenAppliesNoFileAtStartButAnotherChosenFileDoes) {
    WriteBytes(program / "English.ini", kDutch);
    WriteBytes(program / "Dutch.ini", kDutch);
    WriteLanguageChoice("English.ini");
    Start();
    window->show();
    EXPECT_EQ(CurrentLanguage(), nullptr);
    EXPECT_EQ(Caption("FileNew"), "&New");

    WriteLanguageChoice("Dutch.ini");
    Restart();
    EXPECT_EQ(Caption("FileNew"), "&New");  // applied when shown, not before
    window->show();
    EXPECT_EQ(Caption("FileNew"), "&Nieuw");
    EXPECT_EQ(window->Action("FileNew")->toolTip(), "Nieuw bestand");
    EXPECT_EQ(MenuNamed(*window, "FileMenu")->title(), "&Bestand");
    // The editors docked in the main window are shown with it.
    EXPECT_EQ(window->BackgroundForm()->windowTitle(), "Achtergrond");
    EXPECT_EQ(window->ObjListForm()->windowTitle(), "Bibliotheek");
}

TEST_F(LanguageTest, SwitchingAppliesToTheMainWindowAndTheVisibleEditorsOnly) {
    WriteBytes(program / "ChineseGB.ini", kDutch);
    Start();
    window->show();
    ASSERT_TRUE(window->BackgroundForm()->isVisible());
    ASSERT_FALSE(window->TextForm()->isVisible());
    window->Action("LanguageChinese")->trigger();

    EXPECT_EQ(ReadLanguageChoice(), "ChineseGB.ini");
    ASSERT_NE(CurrentLanguage(), nullptr);
    EXPECT_EQ(Caption("FileNew"), "&Nieuw");
    EXPECT_EQ(window->BackgroundForm()->windowTitle(), "Achtergrond");
    EXPECT_EQ(window->BackgroundForm()->findChild<QWidget*>("EditRate")->toolTip(), "Snelheid");
    EXPECT_EQ(window->ObjListForm()->windowTitle(), "Bibliotheek");
    EXPECT_EQ(window->TextForm()->windowTitle(), "Text Properties");  // hidden: not yet
    EXPECT_FALSE(window->windowState() & Qt::WindowMinimized);

    window->TextForm()->show();
    EXPECT_EQ(window->TextForm()->windowTitle(), "Tekst");
}

// The window keeps its state through any number of switches: it is never
// minimised for them, so no window manager can leave it minimised.
TEST_F(LanguageTest, SwitchingNeverChangesTheWindowsState) {
    WriteBytes(program / "ChineseGB.ini", kDutch);
    Start();
    window->show();
    QCoreApplication::processEvents();
    struct StateWatch : QObject {
        int changes = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::WindowStateChange) ++changes;
            return false;
        }
    } watch;
    window->installEventFilter(&watch);
    const QRect before = window->geometry();
    for (int i = 0; i < 11; ++i) {
        window->Action(i % 2 ? "LanguageEnglish" : "LanguageChinese")->trigger();
        QCoreApplication::processEvents();
    }
    window->removeEventFilter(&watch);
    EXPECT_EQ(watch.changes, 0);
    EXPECT_EQ(window->windowState(), Qt::WindowNoState);
    EXPECT_EQ(window->geometry(), before);
    EXPECT_TRUE(window->updatesEnabled());
}

TEST_F(LanguageTest, DialogsTakeTheLanguageWhenShownButNotTheTextEffectOrCaptureWindows) {
    WriteBytes(program / "ChineseGB.ini", kDutch);
    Start();
    window->show();
    window->Action("LanguageChinese")->trigger();

    TAboutBox* about = window->AboutBox();
    about->show();
    EXPECT_EQ(about->windowTitle(), "Over");
    EXPECT_EQ(about->findChild<QAbstractButton*>("OKButton")->text(), "Goed");
    about->hide();

    TGuideForm guide(window.get(), GlobalVars());
    guide.show();
    EXPECT_EQ(guide.windowTitle(), "Nieuwe film");
    EXPECT_EQ(guide.findChild<QListWidget*>("ListView1")->item(0)->text(), "Leeg");
    guide.hide();

    TSwfToExeForm projector(window.get(), TMainForm::PlayerProgram());
    projector.show();
    EXPECT_EQ(projector.windowTitle(), "Omzetten");
    EXPECT_EQ(projector.findChild<QLabel*>("Label2")->text(), "Bron:");
    projector.hide();

    window->TextForm()->EffectWindow().show();
    EXPECT_EQ(window->TextForm()->EffectWindow().windowTitle(), "Text Effect Properties");
    TCaptureForm capture(window.get(), QPixmap(4, 4), {});
    capture.show();
    EXPECT_EQ(capture.windowTitle(), "Capture Picture");
    capture.hide();
}

// The text of a message box's Cancel button, which Qt itself provides.
QString QtCancelText() {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel);
    return box.button(QMessageBox::Cancel)->text();
}

TEST_F(LanguageTest, TheShippedFilesSwitchToChineseAndBackToEnglish) {
    Ship("English.ini");
    Ship("ChineseGB.ini");
    Start();
    window->show();
    const QString englishCancel = QtCancelText();
    window->Action("LanguageChinese")->trigger();
    EXPECT_EQ(Caption("FileNew"), "新建(&N)");
    EXPECT_EQ(QtCancelText(), "取消") << "Qt's own texts in Chinese too";
    EXPECT_EQ(MenuNamed(*window, "LanguageMenu")->title(), "语言(&L)");
    EXPECT_EQ(window->BackgroundForm()->windowTitle(), "影片背景属性");
    EXPECT_EQ(window->BackgroundForm()->findChild<QLabel*>("Label2")->text(), "帧频(&F)：");

    window->Action("LanguageEnglish")->trigger();
    EXPECT_EQ(Caption("FileNew"), "&New");
    EXPECT_EQ(QtCancelText(), englishCancel);
    EXPECT_EQ(MenuNamed(*window, "LanguageMenu")->title(), "&Language");
    EXPECT_EQ(window->BackgroundForm()->windowTitle(), "Movie Background  Properties");
    EXPECT_EQ(window->BackgroundForm()->findChild<QLabel*>("Label2")->text(), "&Fps:");
}

TEST_F(LanguageTest, ChineseChosenBeforeStartsWithQtsOwnTextsInChineseToo) {
    Ship("ChineseGB.ini");
    WriteLanguageChoice("ChineseGB.ini");
    Start();
    window->show();
    EXPECT_EQ(Caption("FileNew"), "新建(&N)");
    EXPECT_EQ(QtCancelText(), "取消");
}

TEST_F(LanguageTest, TheLanguageMenuOffersEnglishAndChinese) {
    Start();
    QMenu* menu = MenuNamed(*window, "LanguageMenu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "&Language");
    EXPECT_EQ(window->menuBar()->actions().last(), menu->menuAction());
    EXPECT_EQ(menu->actions(), (QList<QAction*>{window->Action("LanguageEnglish"), window->Action("LanguageChinese")}));
    for (const char* name : {"LanguageEnglish", "LanguageChinese", "LanguageOut"})
        EXPECT_TRUE(window->Action(name)->isEnabled()) << name;
}

}  // namespace
}  // namespace glimmora::test
