#include "workspace/TMainForm.h"

#include "generation/TVuzozUzev.h"
#include "player/widget/TShockwaveFlash.h"
#include "settings/AppSettings.h"
#include "settings/LanguageSwitch.h"
#include "swf/encoder/EncoderService.h"
#include "widgets/ErrorBox.h"
#include "widgets/MessageBoxes.h"
#include "widgets/PlaySlider.h"
#include "workspace/PreviewAdapter.h"
#include "workspace/TBackgroundForm.h"
#include "workspace/TObjListForm.h"
#include "workspace/TPicForm.h"
#include "workspace/TSoundForm.h"
#include "workspace/TTextForm.h"
#include "workspace/TTimelineForm.h"
#include "workspace/UndoHistory.h"
#include "workspace/WorkingBase.h"

#include "document/ProjectFiles.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace glimmora {

namespace {

constexpr int kRightWidth = 183;
constexpr int kBottomPanelHeight = 152;
constexpr int kSliderHeight = 18;
constexpr int kTimelineHeight = 126;  // grip, frame numbers and five rows

}  // namespace

void TMainForm::ShowError(const std::exception& error) { ShowErrorBox(this, error); }

namespace {
std::filesystem::path& ProgramFolderOverride() {
    static std::filesystem::path folder;
    return folder;
}
}  // namespace

void TMainForm::SetProgramFolder(const std::filesystem::path& folder) { ProgramFolderOverride() = folder; }

std::filesystem::path TMainForm::ProgramFolder() {
    if (!ProgramFolderOverride().empty()) return ProgramFolderOverride();
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

TMainForm::TMainForm(const QString& argument, QWidget* parent) : QMainWindow(parent) {
    setObjectName("MainForm");
    setWindowTitle(ApplicationTitle());
    resize(640, 450);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAcceptDrops(true);  // projects, movies, pictures and sounds from a file manager

    TGlobalVars& globals = GlobalVars();
    globals.TempDir = (TempFolder() / "").string();
    workingBase_ = std::make_unique<WorkingBase>(TempFolder());
    globals.UntitledBase = workingBase_->Base().string();
    unsaved_ = std::make_unique<UnsavedWork>(FolderOfBase(workingBase_->Base()));
    abandoned_ = UnsavedWork::Abandoned(TempFolder(), FolderOfBase(workingBase_->Base()));
    globals.LastOpenDir = ReadLastOpenDir(ProgramFolder());
    globals.LastProjectDir = ReadLastProjectDir();
    globals.LoopPlayback = true;

    // The chosen interface language; the windows take it on when shown.
    LanguageStartUp(ProgramFolder());
    InstallLanguageWatcher();

    service_ = MakeEncoderService();
    CreateActions();
    CreateUndo();
    WatchClipboard();
    CreateMenus();
    CreateLayout();
    previewAdapter_ = std::make_unique<PreviewAdapter>(*flash_);
    flash_->SetLoop(true);
    // Pause shows whether the movie stands still, whoever stopped it.
    QAction* pause = Action("ControlPause");
    connect(flash_, &TShockwaveFlash::playingChanged, pause, [pause](bool playing) { pause->setChecked(!playing); });

    timerTitle_ = new QTimer(this);
    connect(timerTitle_, &QTimer::timeout, this, [this] {
        RecordStep();  // changes that build nothing (a rename, a new order) become steps too
        UpdateTitle();
    });
    timerTitle_->start(100);
    timerPlay_ = new QTimer(this);
    connect(timerPlay_, &QTimer::timeout, this, [this] { UpdatePlayPos(); });
    timerPlay_->start(100);
    timerKeep_ = new QTimer(this);
    connect(timerKeep_, &QTimer::timeout, this, [this] { KeepUnsavedWork(); });
    timerKeep_->start(kKeepInterval);

    SetPlayCommands(false);
    SetProjectCommands(false);
    const QString extension = QFileInfo(argument).suffix().toUpper();
    Guarded([&] {
        if (extension == "SWF") {
            SetPlayCommands(true);
            ShowSwf(argument);
            return;
        }
        CreateBuilder();
        if (extension == "GMR") {
            builder_->SourceFile = argument.toStdString();
            builder_->BasePath = std::filesystem::path(argument.toStdString()).replace_extension();
        } else {
            builder_->SourceFile = ProgramFolder() / "template" / "blank.gmr";
        }
        LoadProject();
    });
    // A project that could not be loaded (its error has been shown) leaves no
    // half-open window over no document: the untitled blank movie, as a start
    // without argument gives.
    if (extension == "GMR" && !(objList_ && objList_->XMLDoc().Active())) {
        Guarded([&] {
            DestroyBuilder();
            CreateBuilder();
            builder_->SourceFile = ProgramFolder() / "template" / "blank.gmr";
            LoadProject();
        });
    }
    OfferRecovery();
}

TMainForm::~TMainForm() {
    // Closing hides the timeline too; nothing here is to follow that any more.
    timeline_->disconnect(this);
    DestroyBuilder();
    history_->Stack().disconnect(this);  // the stack announces its own end
    ReleaseLanguage();
}

const std::filesystem::path& TMainForm::UntitledBase() const { return workingBase_->Base(); }

void TMainForm::CreateLayout() {
    auto* central = new QWidget(this);
    central->setObjectName("PanelCentral");
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    panelMain_ = new QWidget(central);
    panelMain_->setObjectName("PanelMain");
    auto* column = new QVBoxLayout(panelMain_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    flash_ = new TShockwaveFlash(panelMain_);
    flash_->setObjectName("ShockwaveFlash");
    flash_->SetAudioEnabled(qEnvironmentVariableIsEmpty("GLIMMORA_NO_AUDIO"));
    flash_->installEventFilter(this);
    // A movie the player refuses leaves the preview blank: say why.
    connect(flash_, &TShockwaveFlash::movieError, this,
            [this](const QString& message) { MessageBoxes::Error(this, message); });
    column->addWidget(flash_, 1);
    auto* panelSP = new QWidget(panelMain_);
    panelSP->setObjectName("PanelSP");
    panelSP->setFixedHeight(kSliderHeight);
    auto* spLayout = new QHBoxLayout(panelSP);
    spLayout->setContentsMargins(0, 0, 0, 0);
    slider_ = new PlaySlider(panelSP);
    spLayout->addWidget(slider_);
    column->addWidget(panelSP);
    connect(slider_, &PlaySlider::pressed, this, [this] {
        GlobalVars().WasPlaying = flash_->Playing();
        flash_->SetPlaying(false);
        timerPlay_->stop();
    });
    // Frames show while the slider is dragged, not only where it is let go.
    connect(slider_, &PlaySlider::scrubbed, this, [this](int frame) { flash_->SetFrameNum(frame); });
    connect(slider_, &PlaySlider::released, this, [this] {
        flash_->SetFrameNum(slider_->value());
        timerPlay_->start(100);
        flash_->SetPlaying(GlobalVars().WasPlaying);
    });

    panelRight_ = new QWidget(central);
    panelRight_->setObjectName("PanelRight");
    panelRight_->setFixedWidth(kRightWidth);
    auto* right = new QVBoxLayout(panelRight_);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    panelRTop_ = new QWidget(panelRight_);
    panelRTop_->setObjectName("PanelRTop");
    panelRBottom_ = new QWidget(panelRight_);
    panelRBottom_->setObjectName("PanelRBottom");
    panelRBottom_->setFixedHeight(kBottomPanelHeight);
    right->addWidget(panelRTop_, 1);
    right->addWidget(panelRBottom_);

    row->addWidget(panelMain_, 1);
    row->addWidget(panelRight_);
    setCentralWidget(central);

    // The timeline docks into the preview's column, under the slider.
    timeline_ = new TTimelineForm(this, panelMain_);
    timeline_->SetDockSites({panelMain_});
    timeline_->SetDockedHeight(kTimelineHeight);
    timelineInWindow_ = true;
    TTimelineForm::Hooks timelineHooks;
    timelineHooks.gotoFrame = [this](int frame) {
        flash_->SetFrameNum(frame);
        UpdatePlayPos();
    };
    timelineHooks.timesChanged = [this] { Guarded([&] { if (builder_) builder_->BuildMovie(); }); };
    timeline_->SetHooks(std::move(timelineHooks));
    QAction* showTimeline = Action("WindowTimeline");
    showTimeline->setChecked(true);
    connect(showTimeline, &QAction::triggered, this, [this](bool shown) {
        timeline_->setVisible(shown);
        FitTimelinePanel();
    });
    connect(timeline_, &TTimelineForm::placementChanged, this, [this] { FitTimelinePanel(); });
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

QWidget* TMainForm::PreviewArea() const { return flash_; }
TObjListForm* TMainForm::ObjListForm() const { return objList_; }
TTextForm* TMainForm::TextForm() const { return textForm_; }
TPicForm* TMainForm::PicForm() const { return picForm_; }
TSoundForm* TMainForm::SoundForm() const { return soundForm_; }
TBackgroundForm* TMainForm::BackgroundForm() const { return bgForm_; }
TTimelineForm* TMainForm::TimelineForm() const { return timeline_; }

void TMainForm::SetPlayCommands(bool enabled) {
    for (const char* name : {"ControlPlay", "ControlPause", "ControlStop", "ControlForward",
                             "ControlBackward", "ControlLoop", "FileClose", "ViewFullScreen", "CaptureWindow",
                             "FileExportMovie"})
        Action(name)->setEnabled(enabled);
}

void TMainForm::SetProjectCommands(bool enabled) {
    for (const char* name : {"FileSave", "FileSaveAs", "FileExportAsSwf", "FileSetAsScreenSaver", "InsertText",
                             "InsertPicture", "InsertSound", "WindowWorkSpace", "WindowShow", "WindowBg",
                             "WindowLibrary", "ModifyBg"})
        Action(name)->setEnabled(enabled);
    UpdateEditActions();
}

void TMainForm::CreateBuilder() {
    DestroyBuilder();
    bgForm_ = new TBackgroundForm(this, panelRTop_, nullptr, GlobalVars());
    objList_ = new TObjListForm(this, panelRBottom_, nullptr);
    textForm_ = new TTextForm(this, panelRTop_, nullptr, GlobalVars());
    picForm_ = new TPicForm(this, panelRTop_, nullptr, GlobalVars());
    soundForm_ = new TSoundForm(this, panelRTop_, nullptr, GlobalVars());
    textForm_->hide();
    picForm_->hide();
    soundForm_->hide();

    BuilderHooks hooks;
    hooks.background = bgForm_;
    hooks.preview = previewAdapter_.get();
    hooks.mainWindow = this;
    hooks.textEditor = textForm_;
    hooks.textEffectWindow = &textForm_->EffectWindow();
    hooks.picEditor = picForm_;
    hooks.soundEditor = soundForm_;
    hooks.objectList = objList_;
    builder_ = std::make_unique<TVuzozUzev>(*service_, reporter_, random_, hooks);
    bgForm_->SetBuilder(builder_.get());
    objList_->SetBuilder(builder_.get());
    // The background editor and the object list move between the two panels.
    bgForm_->SetDockSites({panelRTop_, panelRBottom_});
    objList_->SetDockSites({panelRTop_, panelRBottom_});
    textForm_->SetBuilder(builder_.get());
    picForm_->SetBuilder(builder_.get());
    soundForm_->SetBuilder(builder_.get());

    TObjListForm::Hooks listHooks;
    listHooks.showEditor = [this](const std::string& kind) { ShowEditor(kind, true); };
    listHooks.closeEditor = [this](const std::string& kind) { ShowEditor(kind, false); };
    listHooks.checkInsert = [this](const std::string& kind) { CheckInsert(kind); };
    listHooks.insert = [this](const std::string& kind) {
        if (kind == "Text") InsertText();
        else if (kind == "Pic") InsertPicture();
        else InsertSound();
    };
    listHooks.gotoFrame = [this](int frame) { flash_->SetFrameNum(frame); };
    objList_->SetHooks(std::move(listHooks));
    timeline_->SetObjectList(objList_);
    connect(&objList_->ObjTree(), &QTreeWidget::currentItemChanged, this, [this] { UpdateEditActions(); });
    objList_->AddPopupActions({Action("EditCut"), Action("EditCopy"), Action("EditPaste"), Action("EditDuplicate")});
    // A picture object inserted for an import that failed goes again.
    connect(picForm_, &TPicForm::importFailedOnEmptyObject, this, [this] {
        if (objList_) objList_->DeleteObj();
    });
    SetPlayCommands(true);
    SetProjectCommands(true);
}

void TMainForm::DestroyBuilder() {
    // The editors go first, the object list (and with it the document) last.
    delete textForm_.data();
    delete picForm_.data();
    delete soundForm_.data();
    delete bgForm_.data();
    delete objList_.data();
    if (timeline_) timeline_->SetObjectList(nullptr);
    builder_.reset();
    if (history_) {
        history_->Reset({}, {});
        UpdateUndoActions();
    }
    // What this editor kept goes with its project; what a dead one left
    // stays until it has been offered.
    if (unsaved_ && unsaved_->Kept()) unsaved_->Forget();
    lastKept_.clear();
    if (actions_.count("FileSave")) {
        SetPlayCommands(false);
        SetProjectCommands(false);
    }
}

void TMainForm::ShowEditor(const std::string& kind, bool show) {
    QWidget* editor = kind == "Text" ? static_cast<QWidget*>(textForm_.data())
                    : kind == "Pic"  ? static_cast<QWidget*>(picForm_.data())
                    : kind == "Sound" ? static_cast<QWidget*>(soundForm_.data())
                                      : nullptr;
    if (!editor) return;
    editor->setVisible(show);
    if (show) editor->raise();
}

void TMainForm::CheckInsert(const std::string& kind) {
    Action("InsertText")->setChecked(kind == "Text");
    Action("InsertPicture")->setChecked(kind == "Pic");
    Action("InsertSound")->setChecked(kind == "Sound");
}

void TMainForm::ShowSwf(const QString& file) {
    flash_->SetBackgroundColor(-1);  // the movie's own colour, whatever Close left
    LoadPreview(file.toStdString(), {});
    PlayPreview(GlobalVars().LoopPlayback);
}

void TMainForm::LoadPreview(const std::string& file, std::vector<uint8_t> written) {
    autoSizing_ = true;
    ++previewLoads_;
    try {
        if (written.empty()) flash_->SetMovie(QString::fromStdString(file));
        else flash_->LoadBytes(std::move(written), QString::fromStdString(file), TShockwaveFlash::MovieOrigin::OurWriter);
        const QSize movie = flash_->MovieSize();
        if (movie.isValid() && !movie.isEmpty() && !isFullScreen()) {
            const int top = menuBar()->sizeHint().height() + toolBar_->sizeHint().height();
            autoSize_ = QSize(movie.width() + kRightWidth,
                              movie.height() + top + kSliderHeight + DockedTimelineHeight());
            KeepOnScreen();
        }
        timeline_->Refresh(flash_->TotalFrames());
    } catch (...) {
        // the preview shows what it can; sizing errors are not the user's concern
    }
    autoSizing_ = false;
    RecordStep();  // every edit ends in a build: the change is one step
}

void TMainForm::KeepOnScreen() {
    // The window never grows past its screen: it is capped at the room
    // there is (the preview then shows the movie letterboxed, the movie keeps
    // its size) and moved so that all of it is in sight.
    const QScreen* on = screen();
    if (!on) {
        resize(autoSize_);
        return;
    }
    const QRect room = on->availableGeometry();
    const QSize decorations = frameGeometry().size() - geometry().size();
    autoSize_ = autoSize_.boundedTo(room.size() - decorations);
    resize(autoSize_);
    const QRect frame = frameGeometry();
    const int x = std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() + 1 - frame.width()));
    const int y = std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() + 1 - frame.height()));
    if (x != frame.left() || y != frame.top()) move(x, y);
}

void TMainForm::PlayPreview(bool loop) {
    flash_->SetLoop(loop);
    flash_->Play();
    GlobalVars().WasPlaying = true;
}

void TMainForm::SetLoopChecked(bool checked) { Action("ControlLoop")->setChecked(checked); }

void TMainForm::UpdateTitle() {
    const QString movie = flash_->Movie();
    if (movie.isEmpty() || movie == TShockwaveFlash::kNoMovie) return;
    // "*" after the name while the project differs from the one last saved.
    const QString name = builder_
        ? QString::fromStdString(ProjectFileOf(builder_->BasePath).filename().string()) + (Modified() ? "*" : "")
        : QFileInfo(movie).fileName();
    setWindowTitle(QString("%1 - %2 (%3/%4 Frames)")
                       .arg(ApplicationTitle(), name)
                       .arg(flash_->FrameNum() + 1)
                       .arg(flash_->TotalFrames()));
}

void TMainForm::UpdatePlayPos() {
    const int total = flash_->TotalFrames();
    slider_->setMaximum(total > 0 ? total - 1 : 9999);
    slider_->setValue(flash_->FrameNum());
    slider_->setToolTip(QString::number(flash_->FrameNum() + 1));
    timeline_->SetPlayFrame(flash_->FrameNum());
}

int TMainForm::DockedTimelineHeight() const { return timelineInWindow_ ? kTimelineHeight : 0; }

void TMainForm::FitTimelinePanel() {
    if (!timeline_) return;
    const bool shown = !timeline_->isHidden();
    Action("WindowTimeline")->setChecked(shown);
    const bool inWindow = shown && timeline_->IsDocked();
    if (inWindow == timelineInWindow_) return;
    timelineInWindow_ = inWindow;
    const int grows = inWindow ? kTimelineHeight : -kTimelineHeight;
    if (isVisible() && !isFullScreen() && !isMaximized()) {
        autoSize_ = size() + QSize(0, grows);
        autoSizing_ = true;
        resize(autoSize_);
        autoSizing_ = false;
    }
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (autoSizing_ || !builder_ || !bgForm_ || !isVisible() || event->size() == autoSize_) return;
    try {
        const int top = menuBar()->sizeHint().height() + toolBar_->sizeHint().height();
        {
            LoadingFlagGuard guard(GlobalVars().LoadingMovieProperties);
            bgForm_->SetWidth(event->size().width() - kRightWidth);
            bgForm_->SetHeight(event->size().height() - kSliderHeight - top - DockedTimelineHeight());
        }
        builder_->StoreMovieProperties();
        builder_->BuildMovie();
    } catch (...) {
        // a failed resize build leaves the last movie in place
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (builder_ && !AskSaveChanges()) {
        event->ignore();
        return;
    }
    WriteLastOpenDir(GlobalVars().LastOpenDir);
    WriteLastProjectDir(GlobalVars().LastProjectDir);
    ReleaseLanguage();
    DestroyBuilder();
    QMainWindow::closeEvent(event);
}

}  // namespace glimmora
