#pragma once
// The main window: menus, toolbar, the preview with its play-position slider,
// the two panels the tool windows dock into, and every command. It owns the
// movie builder while a project is loaded.

#include "document/ClippedObjects.h"
#include "document/ProjectMedia.h"
#include "generation/IMainWindowHooks.h"
#include "objects/ObjectClipboard.h"
#include "objects/RandomSource.h"
#include "objects/TGlobalVars.h"
#include "workspace/MessageBoxReporter.h"
#include "workspace/UnsavedWork.h"

#include <QMainWindow>
#include <QPointer>
#include <QUrl>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QMimeData;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;

namespace glimmora {

class PlaySlider;
class PreviewAdapter;
class RecentProjects;
class swfService;
class TAboutBox;
class TBackgroundForm;
class TFileDialog;
class TGuideForm;
class THelpForm;
class TObjListForm;
class TPicForm;
class TShockwaveFlash;
class TSoundForm;
class TTextForm;
class TTimelineForm;
class TVuzozUzev;
class TXMLDocument;
class UndoHistory;
class WorkingBase;
namespace exporting {
struct ExportSettings;
}

class TMainForm : public QMainWindow, public IMainWindowHooks {
    Q_OBJECT
public:
    // `argument`: the first command-line argument (a ".gmr" or ".swf" file, or empty).
    explicit TMainForm(const QString& argument = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    static QString ApplicationTitle() { return QStringLiteral("Glimmora 3.5"); }
    // The executable's folder, where "template/" and "help/" live; tests
    // point it at the build's program folder.
    static std::filesystem::path ProgramFolder();
    static void SetProgramFolder(const std::filesystem::path& folder);

    // Commands (also reachable through Action(name)).
    void FileNew();
    void FileOpen();
    void OpenFile(const QString& file);  // Open after the dialog
    bool FileClose();                     // false: the user cancelled the save question
    bool FileSave();
    bool FileSaveAs();
    void FileExportAsSwf();
    bool ExportTo(const QString& file);
    void FileExit();
    void InsertText();
    void InsertPicture();
    void InsertSound();
    void ControlPlay();
    void ControlPause();
    void ControlStop();
    void ControlLoop();
    void WindowShow();
    void WindowWorkSpace();
    void ViewFullScreen();
    void HelpContents();
    void HelpAbout();
    static QString AboutText();
    TAboutBox* AboutBox();  // made on first use
    THelpForm* HelpForm() const;  // after the first Help > Contents
    // Interface language files: switch to English or Chinese, or write the
    // template "Custom.ini" from the windows' texts.
    void LanguageEnglish();
    void LanguageChinese();
    void LanguageOut();

    // Files dropped at `at` (the window's coordinates): the first project or
    // movie opens (asking "Save changes?" first); otherwise pictures and
    // sounds become new objects of the open project, pictures over the
    // preview centred where they were dropped. Other files are named in a
    // warning.
    void DropFiles(const QList<QUrl>& urls, const QPoint& at);

    // IMainWindowHooks
    void LoadPreview(const std::string& file, std::vector<uint8_t> written) override;
    void PlayPreview(bool loop) override;
    void SetLoopChecked(bool checked) override;

    // The project changed since it was loaded or last saved: the undo
    // stack is off its clean state, or holds a change not recorded yet.
    bool Modified() const;
    // Edit menu: undo or redo the step named in its caption ("Undo Move
    // Text_1"); the previous media files come back with it.
    void EditUndo();
    void EditRedo();
    UndoHistory& History() const;
    // Edit menu, on the object selected in the object list: Copy puts it with
    // its picture or sound on the system clipboard (another running editor
    // can paste it), Cut as well and deletes it; Paste adds the clipboard's
    // objects starting at the frame shown, under names of their own;
    // Duplicate adds a copy of the selected object 10 pixels right and down.
    // Each is one undo step.
    void EditCut();
    void EditCopy();
    void EditPaste();
    void EditDuplicate();
    static constexpr int kDuplicateOffset = 10;  // pixels
    // Writes the document into the working folder when it changed since it
    // was saved and since it was last kept, or forgets what was kept once it
    // is saved (every second; tests call it). The next start offers it back
    // if this editor never closes.
    void KeepUnsavedWork();
    static constexpr int kKeepInterval = 1000;  // milliseconds

    // File dialogs go through here, so that tests can answer them.
    using FileChooser = std::function<QString(QWidget*, const QString& caption, const QString& filter, bool save)>;
    void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    // The new-movie guide, shown modally; true when confirmed (tests replace it).
    using GuideRunner = std::function<bool()>;
    void SetGuideRunner(GuideRunner runner) { guideRunner_ = std::move(runner); }

    QAction* Action(const QString& name) const;
    TVuzozUzev* Builder() const { return builder_.get(); }
    TShockwaveFlash& Flash() const { return *flash_; }
    PlaySlider& SliderPlay() const { return *slider_; }
    TObjListForm* ObjListForm() const;
    TTextForm* TextForm() const;
    TPicForm* PicForm() const;
    TSoundForm* SoundForm() const;
    TBackgroundForm* BackgroundForm() const;
    TTimelineForm* TimelineForm() const;
    RecentProjects& Recent() const { return *recent_; }
    QWidget* PreviewArea() const;
    const std::filesystem::path& UntitledBase() const;
    int PreviewLoads() const { return previewLoads_; }  // movies loaded into the preview so far
    void UpdateTitle();     // TimerTitle
    void UpdatePlayPos();   // TimerPlay

    // The output tools (TMainFormTools.cpp): projectors both ways, the
    // screensaver and the capture of the preview into Image1 and a new
    // capture window.
    void FileSwfToExe();
    void FileExeToSwf();
    void FileSetAsScreenSaver();
    void CaptureWindow();
    // Export of the movie shown to a video, animated image or web page
    // (TMainFormExport.cpp): the dialog, then ExportMovieTo.
    void FileExportMovie();
    // Exports the movie shown with a progress window; false when cancelled
    // or failed (the error is shown).
    bool ExportMovieTo(const exporting::ExportSettings& settings);
    QLabel& Image1() const { return *image1_; }
    // Our standalone player, copied at the head of projectors and screensavers.
    static std::filesystem::path PlayerProgram();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateToolActions();  // with Image1
    void CreateMenus();
    void CreateLayout();
    void SetPlayCommands(bool enabled);
    void MarkLanguage();  // checks the Language menu's entry of the chosen language
    void SetProjectCommands(bool enabled);
    void CreateBuilder();
    void DestroyBuilder();
    void LoadProject();
    void ShowSwf(const QString& file);
    // Every picture and sound object, in document order.
    std::vector<std::pair<MediaKind, std::string>> MediaObjects() const;
    void RememberSaved();
    void CreateUndo();
    void RecordStep();  // the document's change since the last step, as a step
    void RestoreDocument(const std::string& snapshot, const ProjectMedia::Record& media, const std::string& focus);
    void UpdateUndoActions();
    void WatchClipboard();     // Paste follows what the clipboard holds
    void UpdateEditActions();  // Cut, Copy, Duplicate with a selection, Paste with objects to paste
    std::optional<ClippedObject> SelectedClip() const;
    void PasteClipped(const std::vector<ClippedObject>& objects, const PastePlacement& placement, const char* verb);
    // Whether a text field keeps an undo or redo key for its own typing.
    bool FieldTakesUndoKey(QObject* watched, QEvent* event) const;
    std::string DocumentText() const;  // the open document as compared for Modified
    static std::string DocumentText(TXMLDocument& document);
    // Asks, newest first, whether to recover the work that editors which
    // never closed left behind; Yes opens it, unsaved, No discards it.
    void OfferRecovery();
    void Recover(const UnsavedWork::Found& found);
    bool AskSaveChanges();  // false: cancelled
    // Saves under a name asked for when `askName`; the pictures and sounds
    // are taken from the folder of `fromBase`.
    bool SaveProjectAs(std::filesystem::path fromBase, bool askName);  // a copy: BasePath changes
    // The file chosen in a dialog over `parent` (the main window when none),
    // opened in LastOpenDir; empty when cancelled. Tests answer through the
    // file chooser.
    QString ChooseFile(const QString& caption, const QString& filter, bool save, QWidget* parent = nullptr);
    QString ChooseFile(const TFileDialog& dialog, QWidget* parent = nullptr);
    void CheckInsert(const std::string& kind);
    void ShowEditor(const std::string& kind, bool show);
    void PreviewMouse(QEvent* event);
    bool TakesDrop(const QMimeData* data) const;
    void DropPicture(const QString& file, std::optional<QPoint> center);
    // Runs a command; an error ends it and is shown, the program goes on.
    template <typename F> void Guarded(F&& f) {
        try {
            f();
        } catch (const std::exception& error) {
            ShowError(error);
        }
    }
    void ShowError(const std::exception& error);
    // Height of the timeline while it is docked and shown: the preview has
    // that much less of the window.
    int DockedTimelineHeight() const;
    // The window grows or shrinks by the timeline when it comes into or
    // leaves the preview's column, so the movie keeps its size.
    void FitTimelinePanel();
    // Resizes to autoSize_, capped at the screen's free room, and moves the
    // window where all of it shows.
    void KeepOnScreen();

    std::map<QString, QAction*> actions_;
    QWidget* panelMain_ = nullptr;
    QWidget* panelRight_ = nullptr;
    QWidget* panelRTop_ = nullptr;
    QWidget* panelRBottom_ = nullptr;
    bool timelineInWindow_ = false;  // as last fitted
    TShockwaveFlash* flash_ = nullptr;
    PlaySlider* slider_ = nullptr;
    QMenu* popup_ = nullptr;
    QTimer* timerTitle_ = nullptr;
    QTimer* timerPlay_ = nullptr;

    std::unique_ptr<WorkingBase> workingBase_;
    std::unique_ptr<UnsavedWork> unsaved_;
    std::unique_ptr<UndoHistory> history_;
    std::vector<UnsavedWork::Found> abandoned_;  // read at start, before anything is written
    std::string lastKept_;
    QTimer* timerKeep_ = nullptr;
    std::unique_ptr<PreviewAdapter> previewAdapter_;
    std::unique_ptr<swfService> service_;
    ClockRandomSource random_;
    MessageBoxReporter reporter_{this};
    std::unique_ptr<TVuzozUzev> builder_;
    QPointer<TObjListForm> objList_;
    QPointer<TTextForm> textForm_;
    QPointer<TPicForm> picForm_;
    QPointer<TSoundForm> soundForm_;
    QPointer<TBackgroundForm> bgForm_;
    QPointer<TTimelineForm> timeline_;
    QPointer<TGuideForm> guide_;
    QPointer<TAboutBox> about_;
    QPointer<THelpForm> help_;
    RecentProjects* recent_ = nullptr;  // the File menu's list, owned by its menu
    FileChooser chooser_;
    // The file dialogs, named for the language files.
    TFileDialog* openDialog_ = nullptr;
    TFileDialog* saveDialog_ = nullptr;
    TFileDialog* exportDialog_ = nullptr;
    TFileDialog* openDialogSwf_ = nullptr;
    TFileDialog* openDialogExe_ = nullptr;
    GuideRunner guideRunner_;
    QSize autoSize_;
    QToolBar* toolBar_ = nullptr;
    bool autoSizing_ = false;
    int previewLoads_ = 0;
    bool clipboardHasObjects_ = false;  // as the clipboard last announced
    bool moving_ = false;
    QPoint dragStart_;
    QLabel* image1_ = nullptr;  // 1 x 1, hidden: the last capture
};

}  // namespace glimmora
