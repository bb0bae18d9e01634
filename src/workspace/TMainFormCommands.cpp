// The main window's command table, menus and the commands themselves.
#include "workspace/TMainForm.h"

#include "document/ProjectFiles.h"
#include "generation/TVuzozUzev.h"
#include "player/widget/TShockwaveFlash.h"
#include "settings/AppSettings.h"
#include "settings/LanguageSwitch.h"
#include "widgets/CommandIcons.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBoxes.h"
#include "widgets/PlaySlider.h"
#include "widgets/WaitCursor.h"
#include "workspace/TAboutBox.h"
#include "workspace/TBackgroundForm.h"
#include "workspace/RecentProjects.h"
#include "workspace/TGuideForm.h"
#include "workspace/THelpForm.h"
#include "workspace/TObjListForm.h"
#include "workspace/TPicForm.h"
#include "workspace/TSoundForm.h"
#include "workspace/TTextForm.h"
#include "workspace/TTimelineForm.h"
#include "workspace/UndoHistory.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QToolBar>

#include <sstream>

namespace glimmora {

namespace {

struct CommandRow {
    const char* name;
    const char* caption;
    const char* shortcut;
    bool checkable;
};

const CommandRow kCommands[] = {
    {"FileNew", "&New", "Ctrl+N", false},
    {"FileOpen", "&Open...", "Ctrl+O", false},
    {"FileClose", "&Close", "Ctrl+W", false},
    {"FileSave", "&Save", "Ctrl+S", false},
    {"FileSaveAs", "Save &As...", "", false},
    {"FileExportAsSwf", "&Export as SWF...", "", false},
    {"FileExportMovie", "Export &Movie As...", "", false},
    {"FileSetAsScreenSaver", "Convert to ScreenSave&r", "", false},
    {"FileSwfToExe", "Convert S&WF to EXE...", "", false},
    {"FileExeToSwf", "Convert EXE to SW&F...", "", false},
    {"FileExit", "E&xit", "Ctrl+Q", false},
    {"EditUndo", "&Undo", "Ctrl+Z", false},
    {"EditRedo", "&Redo", "Ctrl+Y", false},
    {"EditCut", "Cu&t", "Ctrl+X", false},
    {"EditCopy", "&Copy", "Ctrl+C", false},
    {"EditPaste", "&Paste", "Ctrl+V", false},
    {"EditDuplicate", "&Duplicate", "Ctrl+D", false},
    {"InsertText", "Insert &Text", "", true},
    {"InsertPicture", "Insert &Picture", "", true},
    {"InsertSound", "Insert &Sound", "", true},
    {"ControlPlay", "&Play", "", false},
    {"ControlPause", "P&ause", "", true},
    {"ControlStop", "&Go To End", "", false},
    {"ControlForward", "&Forward", "Ctrl+B", false},
    {"ControlBackward", "&Backward", "Ctrl+Shift+B", false},
    {"ControlLoop", "&Loop", "Ctrl+L", true},
    {"ModifyBg", "&Movie Property", "", false},
    {"HelpContents", "&Contents...", "F1", false},
    {"HelpVisitTessaly", "&Tessaly on the Web", "", false},
    {"HelpAbout", "&About...", "", false},
    {"WindowShow", "Show/Hide Window", "F4", false},
    {"WindowWorkSpace", "&Reset WorkSpace", "F11", false},
    {"CaptureWindow", "Capture", "F9", false},
    {"ViewFullScreen", "&Full Sceen", "", true},
    {"WindowBg", "&Background", "", false},
    {"WindowLibrary", "Movie &Library", "", false},
    {"WindowTimeline", "&Timeline", "Ctrl+T", true},
    {"LanguageOut", "Write Language &Template", "", false},
    {"LanguageEnglish", "&English", "", true},
    {"LanguageChinese", "&Chinese", "", true},
};

QString HintOf(const char* caption) {
    return QString(caption).remove('&').remove("...");
}

// Physical memory and memory load from /proc/meminfo; empty when unreadable.
QString MemoryLines() {
    QFile file("/proc/meminfo");
    if (!file.open(QIODevice::ReadOnly)) return {};
    qint64 total = 0, available = -1;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() < 2) continue;
        if (parts[0] == "MemTotal:") total = parts[1].toLongLong();
        if (parts[0] == "MemAvailable:") available = parts[1].toLongLong();
    }
    if (total <= 0) return {};
    QString text = QString("Physical memory: %1 KB").arg(total);
    if (available >= 0 && available <= total)
        text += QString("\nMemory load: %1%").arg(100 - int(available * 100 / total));
    return text;
}

}  // namespace

void TMainForm::CreateActions() {
    for (const CommandRow& row : kCommands) {
        auto* action = new QAction(row.caption, this);
        action->setObjectName(row.name);
        if (*row.shortcut) action->setShortcut(QKeySequence(row.shortcut));
        action->setCheckable(row.checkable);
        action->setToolTip(HintOf(row.caption));
        addAction(action);  // shortcuts work without a menu entry
        actions_[row.name] = action;
    }
    auto on = [this](const char* name, auto member) {
        connect(Action(name), &QAction::triggered, this, [this, member] { Guarded([&] { (this->*member)(); }); });
    };
    on("FileNew", &TMainForm::FileNew);
    on("FileOpen", &TMainForm::FileOpen);
    connect(Action("FileClose"), &QAction::triggered, this, [this] { Guarded([&] { FileClose(); }); });
    connect(Action("FileSave"), &QAction::triggered, this, [this] { Guarded([&] { FileSave(); }); });
    connect(Action("FileSaveAs"), &QAction::triggered, this, [this] { Guarded([&] { FileSaveAs(); }); });
    on("FileExportAsSwf", &TMainForm::FileExportAsSwf);
    on("FileExit", &TMainForm::FileExit);
    on("EditCut", &TMainForm::EditCut);
    on("EditCopy", &TMainForm::EditCopy);
    on("EditPaste", &TMainForm::EditPaste);
    on("EditDuplicate", &TMainForm::EditDuplicate);
    on("InsertText", &TMainForm::InsertText);
    on("InsertPicture", &TMainForm::InsertPicture);
    on("InsertSound", &TMainForm::InsertSound);
    on("ControlPlay", &TMainForm::ControlPlay);
    on("ControlPause", &TMainForm::ControlPause);
    on("ControlStop", &TMainForm::ControlStop);
    connect(Action("ControlForward"), &QAction::triggered, this, [this] { flash_->Forward(); });
    connect(Action("ControlBackward"), &QAction::triggered, this, [this] { flash_->Back(); });
    on("ControlLoop", &TMainForm::ControlLoop);
    auto showBg = [this] { if (bgForm_) { bgForm_->show(); bgForm_->raise(); } };
    connect(Action("ModifyBg"), &QAction::triggered, this, showBg);
    connect(Action("WindowBg"), &QAction::triggered, this, showBg);
    connect(Action("WindowLibrary"), &QAction::triggered, this, [this] { if (objList_) objList_->show(); });
    on("HelpContents", &TMainForm::HelpContents);
    on("HelpAbout", &TMainForm::HelpAbout);
    on("WindowShow", &TMainForm::WindowShow);
    on("WindowWorkSpace", &TMainForm::WindowWorkSpace);
    on("ViewFullScreen", &TMainForm::ViewFullScreen);
    on("LanguageEnglish", &TMainForm::LanguageEnglish);
    on("LanguageChinese", &TMainForm::LanguageChinese);
    on("LanguageOut", &TMainForm::LanguageOut);
    CreateToolActions();
    Action("EditRedo")->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    // Commands that come later exist but stay disabled.
    for (const char* name : {"HelpVisitTessaly"})
        Action(name)->setEnabled(false);
    Action("ControlLoop")->setChecked(true);
    using Mode = TFileDialog::Mode;
    openDialog_ = new TFileDialog(this, "OpenDialog", Mode::Open, "Open",
                                  "Glimmora file (*.gmr);;Flash file (*.swf);;All file (*.gmr *.swf)");
    saveDialog_ = new TFileDialog(this, "SaveDialog", Mode::Save, "Save", "Glimmora file (*.gmr)");
    exportDialog_ = new TFileDialog(this, "ExportDialog", Mode::Save, "Export as SWF", "Flash file (*.swf)");
    openDialogSwf_ = new TFileDialog(this, "OpenDialogSwf", Mode::Open, "Open", "SWF file (*.swf)");
    openDialogExe_ = new TFileDialog(this, "OpenDialogExe", Mode::Open, "Open", "EXE file (*.exe)");

    // The Language menu marks the language chosen.
    auto* languages = new QActionGroup(this);
    languages->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    languages->addAction(Action("LanguageEnglish"));
    languages->addAction(Action("LanguageChinese"));
    MarkLanguage();
}

void TMainForm::MarkLanguage() {
    // No choice yet: the built-in texts, which are English.
    const QString choice = ReadLanguageChoice();
    const bool chinese = choice.compare("ChineseGB.ini", Qt::CaseInsensitive) == 0;
    const bool english = choice.isEmpty() || choice.compare("English.ini", Qt::CaseInsensitive) == 0;
    Action("LanguageEnglish")->setChecked(english);
    Action("LanguageChinese")->setChecked(chinese);
}

void TMainForm::CreateMenus() {
    auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (QString(name) == "|") menu->addSeparator();
            else menu->addAction(Action(name));
        }
    };
    // Named after their category, so that language files reach their titles.
    const auto menu = [this](const char* name, const char* title) {
        QMenu* created = menuBar()->addMenu(title);
        created->setObjectName(name);
        return created;
    };
    QMenu* file = menu("FileMenu", "&File");
    add(file, {"FileNew", "FileOpen"});
    QMenu* recent = file->addMenu("Recent &Projects");
    recent->setObjectName("RecentMenu");
    recent_ = new RecentProjects(*recent, *this, [this](const QString& project) { Guarded([&] { OpenFile(project); }); });
    add(file, {"FileClose", "|", "FileSave", "FileSaveAs", "FileExportAsSwf", "FileExportMovie", "|",
               "FileSetAsScreenSaver", "FileSwfToExe", "FileExeToSwf", "|", "FileExit"});
    add(menu("EditMenu", "&Edit"), {"EditUndo", "EditRedo", "|", "EditCut", "EditCopy", "EditPaste", "EditDuplicate"});
    add(menu("InsertMenu", "&Insert"), {"InsertText", "InsertPicture", "InsertSound"});
    add(menu("ControlMenu", "&Control"), {"ControlPlay", "ControlPause", "ControlStop", "|", "ControlForward",
                                         "ControlBackward", "|", "ControlLoop", "|", "WindowTimeline"});
    add(menu("ModifyMenu", "&Modify"), {"ModifyBg"});
    add(menu("HelpMenu", "&Help"), {"HelpContents", "|", "HelpVisitTessaly", "|", "HelpAbout"});
    // Without this menu no user could ever switch the interface language.
    add(menu("LanguageMenu", "&Language"), {"LanguageEnglish", "LanguageChinese"});

    toolBar_ = addToolBar("Tools");
    toolBar_->setObjectName("ToolBar");
    toolBar_->setMovable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);  // the hints name the buttons
    for (const char* name : {"FileNew", "FileOpen", "FileSave", "|", "EditUndo", "EditRedo", "|", "EditCut", "EditCopy",
                             "EditPaste", "|", "InsertText", "InsertPicture",
                             "InsertSound", "|", "ControlPlay", "ControlPause", "ControlStop", "|",
                             "ControlBackward", "ControlForward", "|", "ControlLoop"}) {
        if (QString(name) == "|") {
            toolBar_->addSeparator();
            continue;
        }
        Action(name)->setIcon(CommandIcon(name, *style()));
        toolBar_->addAction(Action(name));
    }

    popup_ = new QMenu(this);
    popup_->setObjectName("PopupActionBarEx");
    popup_->addAction(Action("ControlLoop"));
    popup_->addAction(Action("HelpAbout"));
}

QAction* TMainForm::Action(const QString& name) const {
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

QString TMainForm::ChooseFile(const TFileDialog& dialog, QWidget* parent) {
    QWidget* over = parent ? parent : this;
    if (chooser_) return chooser_(over, dialog.Title(), dialog.Filter(), dialog.DialogMode() == TFileDialog::Mode::Save);
    // Projects and movies: where the last project was; media choices keep their own folder.
    const TGlobalVars& globals = GlobalVars();
    const std::string& folder = globals.LastProjectDir.empty() ? globals.LastOpenDir : globals.LastProjectDir;
    return dialog.Run(over, QString::fromStdString(folder));
}

QString TMainForm::ChooseFile(const QString& caption, const QString& filter, bool save, QWidget* parent) {
    const TFileDialog dialog(nullptr, "", save ? TFileDialog::Mode::Save : TFileDialog::Mode::Open, caption, filter);
    return ChooseFile(dialog, parent);
}


std::string TMainForm::DocumentText(TXMLDocument& document) { return document.Snapshot(); }

std::string TMainForm::DocumentText() const { return objList_ ? DocumentText(objList_->XMLDoc()) : std::string(); }

bool TMainForm::Modified() const {
    if (!builder_ || !objList_ || !objList_->XMLDoc().Active()) return false;
    return !history_->Stack().isClean() || DocumentText() != history_->Current() || builder_->Media.Pending();
}

void TMainForm::RememberSaved() {
    RecordStep();
    history_->MarkSaved(builder_->Media.Entries());
    KeepUnsavedWork();  // saved: nothing to keep any more
}

bool TMainForm::AskSaveChanges() {
    if (!Modified()) return true;
    const auto answer = MessageBoxes::Ask(this, "Save changes?",
                                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Yes) return FileSave();
    return true;
}

void TMainForm::LoadProject() {
    WaitCursor busy;
    // Close left the empty preview white; a project shows its own colour.
    flash_->SetBackgroundColor(-1);
    glimmora::LoadProject(objList_->XMLDoc(), builder_->SourceFile, builder_->WorkingProject);
    objList_->RefreshObjList();
    builder_->LoadMovieProperties();
    objList_->show();
    bgForm_->show();
    history_->Reset(DocumentText(), builder_->Media.Entries());
    KeepUnsavedWork();
    builder_->BuildMovie();
    PlayPreview(GlobalVars().LoopPlayback);  // a freshly opened movie plays, as a shown SWF does
}

void TMainForm::FileNew() {
    if (builder_ && !AskSaveChanges()) return;
    DestroyBuilder();
    bool confirmed = false;
    if (guideRunner_) {
        confirmed = guideRunner_();
    } else {
        if (!guide_) guide_ = new TGuideForm(this, GlobalVars());
        confirmed = guide_->exec() == QDialog::Accepted;
    }
    if (!confirmed) return;
    CreateBuilder();
    builder_->SourceFile = ProgramFolder() / TGuideForm::TemplateFile(GlobalVars().TemplateIndex).toStdString();
    LoadProject();
}

void TMainForm::FileOpen() {
    const QString file = ChooseFile(*openDialog_);
    if (file.isEmpty()) return;
    OpenFile(file);
}

void TMainForm::OpenFile(const QString& file) {
    if (builder_ && !AskSaveChanges()) return;
    DestroyBuilder();
    GlobalVars().LastProjectDir = QFileInfo(file).absolutePath().toStdString();
    const QString extension = QFileInfo(file).suffix().toUpper();
    if (extension == "SWF") {
        SetPlayCommands(true);
        ShowSwf(file);
    } else if (extension == "GMR") {
        CreateBuilder();
        builder_->BasePath = std::filesystem::path(file.toStdString()).replace_extension();
        builder_->SourceFile = file.toStdString();
        LoadProject();
        recent_->Add(file);
    }
}

bool TMainForm::FileClose() {
    if (builder_ && !AskSaveChanges()) return false;
    DestroyBuilder();
    flash_->SetBackgroundColor(16777215);
    flash_->SetMovie(TShockwaveFlash::kNoMovie);
    setWindowTitle(ApplicationTitle());
    return true;
}

std::vector<std::pair<MediaKind, std::string>> TMainForm::MediaObjects() const {
    std::vector<std::pair<MediaKind, std::string>> media;
    const IXMLObjList objects = objList_->Movie().Obj();
    for (int i = 0; i < objects.Count(); ++i) {
        const IXMLObj obj = objects.Items(i);
        if (const auto kind = MediaKindOf(obj.ObjTypeName())) media.emplace_back(*kind, obj.ObjName());
    }
    return media;
}

bool TMainForm::FileSave() {
    if (!builder_) return false;
    return SaveProjectAs(builder_->BasePath, builder_->BasePath == UntitledBase());
}

bool TMainForm::FileSaveAs() {
    if (!builder_) return false;
    return SaveProjectAs(builder_->BasePath, true);
}

bool TMainForm::SaveProjectAs(std::filesystem::path fromBase, bool askName) {
    const std::filesystem::path oldBase = builder_->BasePath;
    if (askName) {
        const QString file = ChooseFile(*saveDialog_);
        if (file.isEmpty()) return false;  // cancelled: still the old project
        builder_->BasePath = std::filesystem::path(file.toStdString()).replace_extension();
    }
    WaitCursor busy;
    try {
        // The pictures and sounds imported, renamed or deleted since the last
        // save (or all of them, into another folder) go with the project.
        RecordStep();  // the history's media records are rewritten by the save
        builder_->Media.Save(
            fromBase, builder_->BasePath, MediaObjects(),
            [&] { SaveProject(objList_->XMLDoc(), builder_->WorkingProject, builder_->BasePath); },
            history_->MediaRecords());
        builder_->BuildMovie();
        // The movie is copied beside and renamed over: never a truncated one.
        ReplaceFile(builder_->WorkingMovie, MovieFileOf(builder_->BasePath));
    } catch (...) {
        builder_->BasePath = oldBase;  // a failed save keeps the project where it was
        throw;
    }
    GlobalVars().LastProjectDir = FolderOfBase(builder_->BasePath).string();
    recent_->Add(QString::fromStdString(ProjectFileOf(builder_->BasePath).string()));
    RememberSaved();
    return true;
}

void TMainForm::FileExportAsSwf() {
    const QString file = ChooseFile(*exportDialog_);
    if (!file.isEmpty()) ExportTo(file);
}

bool TMainForm::ExportTo(const QString& file) {
    if (!builder_) return false;
    std::filesystem::path target(file.toStdString());
    target.replace_extension(".swf");
    WaitCursor busy;
    builder_->BuildMovie(target);
    return std::filesystem::exists(target);
}

void TMainForm::FileExit() {
    if (FileClose()) close();
}

void TMainForm::InsertText() {
    if (!builder_) return;
    builder_->TextAdapter->AddNew(flash_->CurrentFrame());
    // The new text is selected and its editor open: the user types at once.
    if (textForm_ && textForm_->isVisible()) textForm_->FocusContent();
}

void TMainForm::InsertPicture() {
    if (builder_) builder_->PicAdapter->AddNew(flash_->CurrentFrame());
}

void TMainForm::InsertSound() {
    if (builder_) builder_->SoundAdapter->AddNew(flash_->CurrentFrame());
}

void TMainForm::ControlPlay() {
    flash_->GotoFrame(0);
    PlayPreview(GlobalVars().LoopPlayback);
}

void TMainForm::ControlPause() {
    // A toggle: it stops the movie where it stands, and pressed again plays
    // on from there. It stays checked while the movie stands still.
    const bool play = !flash_->Playing();
    GlobalVars().WasPlaying = play;
    flash_->SetPlaying(play);
    Action("ControlPause")->setChecked(!play);
}

void TMainForm::ControlStop() {
    flash_->Stop();
    flash_->GotoFrame(flash_->TotalFrames() - 1);
}

void TMainForm::ControlLoop() {
    // The action has toggled its check already; follow it.
    const bool loop = Action("ControlLoop")->isChecked();
    flash_->SetLoop(loop);
    GlobalVars().LoopPlayback = loop;
    if (builder_) builder_->StoreMovieProperties();
}

void TMainForm::WindowShow() {
    if (!bgForm_) return;
    if (bgForm_->isVisible()) {
        for (QWidget* w : {static_cast<QWidget*>(bgForm_.data()), static_cast<QWidget*>(objList_.data()),
                           static_cast<QWidget*>(textForm_.data()), static_cast<QWidget*>(picForm_.data()),
                           static_cast<QWidget*>(soundForm_.data()), static_cast<QWidget*>(timeline_.data())})
            if (w) w->hide();
    } else {
        bgForm_->show();
        if (objList_) objList_->show();
        timeline_->show();
    }
    FitTimelinePanel();
}

void TMainForm::WindowWorkSpace() {
    if (!builder_) return;
    // Free windows line up down the right edge of the main window, from the
    // top of its panels: the background editor, the object list, then the
    // object editors. Docked windows go to the top left of their panel.
    const QRect outer = frameGeometry();
    const int left = outer.left() + width();
    int top = outer.top() + (outer.height() - height()) + menuBar()->height() + toolBar_->height();
    const auto place = [&](TChildForm* form, int y) {
        if (!form) return;
        if (form->IsDocked()) form->move(0, 0);
        else form->move(left - form->width(), y);
    };
    place(bgForm_, top);
    if (bgForm_) top += bgForm_->height();
    place(objList_, top);
    if (objList_) top += objList_->height();
    place(textForm_, top);
    place(picForm_, top);
    place(soundForm_, top);
    if (bgForm_) bgForm_->show();
    if (objList_) objList_->show();
    // The timeline goes back under the preview.
    if (!timeline_->IsDocked()) timeline_->DockInto(panelMain_);
    timeline_->show();
    FitTimelinePanel();
}

void TMainForm::ViewFullScreen() {
    const bool full = !isFullScreen();
    toolBar_->setVisible(!full);
    menuBar()->setVisible(!full);
    slider_->parentWidget()->setVisible(!full);
    if (full) showFullScreen();
    else showNormal();
}

void TMainForm::HelpContents() {
    const std::filesystem::path help = ProgramFolder() / "help" / "Glimmora.html";
    if (!std::filesystem::exists(help)) throw std::runtime_error("Cannot find the help file " + help.string());
    // Our own window: a desktop browser that fails to start (or refuses to
    // run as root) would leave the user with nothing.
    if (!help_) help_ = new THelpForm(this);
    help_->ShowPage(help);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

QString TMainForm::AboutText() {
    QString text = QString("Glimmora\nVersion %1.%2 (Build %3)")
                       .arg(GLIMMORA_VERSION_MAJOR)
                       .arg(GLIMMORA_VERSION_MINOR)
                       .arg(GLIMMORA_VERSION_BUILD);
    text += "\nFree software under the GNU General Public License, version 3 or later (GPL-3.0-or-later);"
            "\nthere is NO WARRANTY, to the extent permitted by law.";
    const QString memory = MemoryLines();
    if (!memory.isEmpty()) text += "\n\n" + memory;
    return text;
}

THelpForm* TMainForm::HelpForm() const { return help_; }

TAboutBox* TMainForm::AboutBox() {
    if (!about_) about_ = new TAboutBox(this, AboutText());
    return about_;
}

void TMainForm::HelpAbout() {
    AboutBox()->exec();
}

void TMainForm::LanguageEnglish() {
    SwitchLanguage(ProgramFolder(), "English.ini", this, {bgForm_, objList_, textForm_, picForm_, soundForm_, timeline_});
    MarkLanguage();
}

void TMainForm::LanguageChinese() {
    SwitchLanguage(ProgramFolder(), "ChineseGB.ini", this, {bgForm_, objList_, textForm_, picForm_, soundForm_, timeline_});
    MarkLanguage();
}

void TMainForm::LanguageOut() {
    WaitCursor busy;
    WriteLanguageTemplate(ProgramFolder() / "Custom.ini", NamedWindows(), ProgramFolder());
}

}  // namespace glimmora
