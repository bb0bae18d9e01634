#include "workspace/TPicSelectForm.h"

#include "document/ProjectFiles.h"
#include "document/ProjectMedia.h"
#include "effects/picture/import/PictureImport.h"
#include "generation/IPicEditor.h"
#include "generation/TVuzozUzev.h"

#include <QApplication>
#include <QScreen>

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace glimmora {

TPicSelectForm::TPicSelectForm(QWidget* owner) : WaitWindow(owner, "PicSelectForm") {}

namespace {

// Messages and questions of the import come in front of the wait window: it
// steps aside while one is shown (a question answered Yes brings it back).
class AsideReporter : public IErrorReporter {
public:
    AsideReporter(QWidget& wait, IErrorReporter& to) : wait_(wait), to_(to) {}
    void ShowError(const std::string& message) override { wait_.hide(), to_.ShowError(message); }
    void ShowObjectProblem(const ObjectProblem& problem) override { wait_.hide(), to_.ShowObjectProblem(problem); }
    void NoteNotShown(const ObjectProblem& problem) override { to_.NoteNotShown(problem); }
    void ShowErrorOfferingCancel(const std::string& message) override
    {
        wait_.hide();
        to_.ShowErrorOfferingCancel(message);
    }
    bool Confirm(const std::string& question) override
    {
        wait_.hide();
        const bool yes = to_.Confirm(question);
        if (yes) wait_.show();
        return yes;
    }

private:
    QWidget& wait_;
    IErrorReporter& to_;
};

}  // namespace

bool TPicSelectForm::ImportPicture(TVuzozUzev& builder, IPicEditor& editor, IErrorReporter& errors)
{
    struct CloseOnExit {
        TPicSelectForm* form;
        ~CloseOnExit() { form->close(); }
    } closer{this};
    AsideReporter reporter(*this, errors);

    if (PictureFileName.isEmpty()) return false;
    TFlashPicF& adapter = *builder.PicAdapter;
    if (adapter.ObjName.empty()) throw std::runtime_error("No picture object is open in the editor");
    // The object's name now: it may have been renamed since it was shown.
    const std::string name = adapter.EditedName();
    if (auto problem = MediaNameProblem(name)) throw std::runtime_error(*problem + ". Rename the object first.");

    // The picture waits in the session's staging folder until the project is
    // saved; the project folder is not touched.
    const std::string source = PictureFileName.toStdString();
    const std::filesystem::path staged = builder.Media.NewStagedName();
    const StoredPictureFiles targets{std::filesystem::path(staged).concat(".jpg"),
                                     std::filesystem::path(staged).concat(".png")};
    const std::optional<StoredPicture> stored = glimmora::ImportPicture(source, targets, reporter);
    if (!stored) {
        editor.ClearImage();
        return false;
    }
    builder.Media.Set(MediaKind::Picture, name, MediaSource{stored->file, {}});
    adapter.ObjName = name;
    editor.LoadImage(stored->file.string());
    adapter.Content = source;
    adapter.JpegPath = stored->file.string();
    editor.SetEditWidth(stored->width);
    editor.SetEditHeight(stored->height);
    adapter.StoreFromEditor();
    builder.BuildMovieShowing(adapter);
    return true;
}

}  // namespace glimmora
