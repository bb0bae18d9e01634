#include "effects/picture/import/PngEncoder.h"

#include "effects/picture/import/PictureError.h"
#include "effects/picture/import/PictureQImage.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>

namespace glimmora {

std::vector<std::uint8_t> EncodePng(const ImportedPicture& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(ImageFromPicture(picture)))
        throw PictureError("Cannot encode the picture as PNG: " + writer.errorString().toStdString());
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace glimmora
