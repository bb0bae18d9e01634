// Unsaved work kept outside the project while the editor runs, and offered
// back at the next start when the editor never closed.
#include "workspace/TMainForm.h"

#include "document/FileBytes.h"
#include "document/ProjectFiles.h"
#include "document/ProjectMedia.h"
#include "document/XmlDocument.h"
#include "generation/TVuzozUzev.h"
#include "widgets/MessageBoxes.h"
#include "widgets/WaitCursor.h"
#include "workspace/TObjListForm.h"
#include "workspace/UndoHistory.h"
#include "workspace/WorkingBase.h"

#include <QLocale>

#include <system_error>

namespace glimmora {

namespace {

// The pictures and sounds of a project never saved live in its working
// folder: they come along into this editor's.
void CopyUntitledMedia(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::error_code error;
    for (std::filesystem::directory_iterator it(from, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with("Unsaved.") || name.starts_with("Untitled.") || !it->is_regular_file()) continue;
        std::error_code copy;
        std::filesystem::copy_file(it->path(), to / name, std::filesystem::copy_options::overwrite_existing, copy);
    }
}

// The staging folder of the editor whose working folder is `folder`.
std::filesystem::path StagedMediaOf(const std::filesystem::path& folder)
{
    return StagingFolderOf(folder / DefaultUntitledBase().filename());
}

// What another editor's session left staged goes with its unsaved work.
void RemoveStagedMedia(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::remove_all(StagedMediaOf(folder), error);
}

}  // namespace

void TMainForm::KeepUnsavedWork()
{
    if (!builder_ || !objList_ || !objList_->XMLDoc().Active()) return;
    if (!Modified()) {
        if (unsaved_->Kept()) unsaved_->Forget();
        lastKept_.clear();
        return;
    }
    const std::string now = DocumentText() + '\0' + builder_->Media.RecordText();
    if (now == lastKept_) return;
    const std::filesystem::path project =
        builder_->BasePath == UntitledBase() ? std::filesystem::path() : ProjectFileOf(builder_->BasePath);
    try {
        unsaved_->Keep(project, builder_->Media.RecordText(),
                       [this](const std::filesystem::path& file) { objList_->XMLDoc().SaveToFile(file); });
        lastKept_ = now;
    } catch (const std::exception&) {
        // a full disk must not interrupt the editing; the next change tries again
    }
}

void TMainForm::OfferRecovery()
{
    std::vector<UnsavedWork::Found> abandoned = std::move(abandoned_);
    for (const UnsavedWork::Found& found : abandoned) {
        const QString name = QString::fromStdString(
            found.project.empty() ? ProjectFileOf(UntitledBase()).filename().string() : found.project.string());
        const QString when = found.kept.isValid() ? QLocale().toString(found.kept, QLocale::ShortFormat) : QString();
        const QString question = "Glimmora did not close properly. Recover the unsaved changes to " + name +
                                 (when.isEmpty() ? QString() : " from " + when) + "?";
        if (MessageBoxes::Ask(this, question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
            Guarded([&] { Recover(found); });
            return;  // the others wait for the next start
        }
        UnsavedWork::Forget(found.folder);
        if (found.folder != FolderOfBase(UntitledBase())) RemoveStagedMedia(found.folder);
    }
}

void TMainForm::Recover(const UnsavedWork::Found& found)
{
    WaitCursor busy;
    const std::filesystem::path ownFolder = FolderOfBase(UntitledBase());
    const std::filesystem::path source = ownFolder / "Recovered.gmr";
    WriteFileReplacing(source, found.document);
    if (found.project.empty() && found.folder != ownFolder) CopyUntitledMedia(found.folder, ownFolder);

    DestroyBuilder();
    CreateBuilder();
    builder_->SourceFile = source;
    if (!found.project.empty()) builder_->BasePath = std::filesystem::path(found.project).replace_extension();
    LoadProject();
    // Pictures and sounds imported, renamed or deleted before the editor
    // ended: as they were, still waiting for a save.
    builder_->Media.TakeOver(found.media, StagedMediaOf(found.folder));
    if (found.folder != ownFolder) RemoveStagedMedia(found.folder);
    builder_->BuildMovie();
    std::error_code error;
    std::filesystem::remove(source, error);
    UnsavedWork::Forget(found.folder);

    // Unsaved until saved, unless the project file on disk holds the same.
    bool asSaved = false;
    if (!found.project.empty() && std::filesystem::exists(found.project, error)) {
        TXMLDocument saved;
        saved.SetFileName(found.project);
        try {
            GetMovie(saved);
            asSaved = DocumentText(saved) == DocumentText();
        } catch (const std::exception&) {
            // a project file that no longer loads differs from the recovered work
        }
        GlobalVars().LastProjectDir = FolderOfBase(builder_->BasePath).string();
    }
    if (!asSaved) History().Stack().resetClean();
    KeepUnsavedWork();  // kept again at once, in this editor's folder
}

}  // namespace glimmora
