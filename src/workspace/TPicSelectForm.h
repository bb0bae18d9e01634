#pragma once
// The wait window "Wait Processing ..." shown while a chosen picture is
// converted into the picture object's stored JPEG.
//
// Construction: TPicSelectForm(QWidget* owner); the picture editor creates it
// at the first import and reuses it.

#include "workspace/WaitWindow.h"

#include <QString>

namespace glimmora {

class IErrorReporter;
class IPicEditor;
class TVuzozUzev;

class TPicSelectForm : public WaitWindow {
    Q_OBJECT
public:
    explicit TPicSelectForm(QWidget* owner);

    QString PictureFileName;

    // Converts PictureFileName into the stored picture of the builder's
    // picture adapter's object (the project folder + ObjName + ".jpg", or
    // ".png" for a picture with transparency); on success shows it in
    // `editor`, sets the adapter's Content and JpegPath, the editor's width
    // and height, stores and builds. A picture larger than 800 x 600 is
    // scaled down to fit when `reporter` confirms. On a refusal (too large,
    // not a picture format the import reads) the editor's image is cleared
    // and the object is unchanged. Closes the window in every case; errors of
    // the conversion or the build propagate. True when the picture was taken.
    bool ImportPicture(TVuzozUzev& builder, IPicEditor& editor, IErrorReporter& reporter);
};

}  // namespace glimmora
