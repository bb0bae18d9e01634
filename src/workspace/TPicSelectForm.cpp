#include "workspace/TPicSelectForm.h"

#include "document/ProjectFiles.h"
#include "effects/picture/import/PictureImport.h"
#include "generation/IPicEditor.h"
#include "generation/TVuzozUzev.h"

#include <QApplication>
#include <QScreen>

#include <stdexcept>

namespace glimmora {

TPicSelectForm::TPicSelectForm(QWidget* owner) : WaitWindow(owner, "PicSelectForm") {}

bool TPicSelectForm::ImportPicture(TVuzozUzev& builder, IPicEditor& editor, IErrorReporter& reporter)
{
    struct CloseOnExit {
        TPicSelectForm* form;
        ~CloseOnExit() { form->close(); }
    } closer{this};

    if (PictureFileName.isEmpty()) return false;
    TFlashPicF& adapter = *builder.PicAdapter;
    if (adapter.ObjName.empty()) throw std::runtime_error("No picture object is open in the editor");

    const std::string source = PictureFileName.toStdString();
    const StoredPictureFiles targets{PictureFileOf(builder.BasePath, adapter.ObjName),
                                     TransparentPictureFileOf(builder.BasePath, adapter.ObjName)};
    const std::optional<StoredPicture> stored = glimmora::ImportPicture(source, targets, reporter);
    if (!stored) {
        editor.ClearImage();
        return false;
    }
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
