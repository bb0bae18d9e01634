#pragma once
// Between an imported picture and a QImage, for Qt's readers, its smooth
// scaling and its PNG writer.

#include "effects/picture/import/ImportedPicture.h"

#include <QImage>

namespace glimmora {

// The picture's colours, and its alpha when the image has an alpha channel
// (unpremultiplied). Throws PictureError beyond the import's size limits.
ImportedPicture PictureFromImage(const QImage& image);

// RGBA8888 when the picture has alpha, else RGB888.
QImage ImageFromPicture(const ImportedPicture& picture);

}  // namespace glimmora
