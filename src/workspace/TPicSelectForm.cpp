#include "workspace/TPicSelectForm.h"

#include "document/ProjectFiles.h"
#include "effects/picture/import/ConvertToJpeg.h"
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
    const std::string target = PictureFileOf(builder.BasePath, adapter.ObjName).string();
    int width = 0;
    int height = 0;
    if (!ConvertToJpeg(source, target, width, height, reporter)) {
        editor.ClearImage();
        return false;
    }
    editor.LoadImage(target);
    adapter.Content = source;
    adapter.JpegPath = target;
    editor.SetEditWidth(width);
    editor.SetEditHeight(height);
    adapter.StoreFromEditor();
    builder.BuildMovieShowing(adapter);
    return true;
}

}  // namespace glimmora
