#include "effects/picture/import/QtPictureReader.h"

#include "effects/picture/import/PictureError.h"
#include "effects/picture/import/PictureQImage.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <climits>
#include <string>

namespace glimmora {

ImportedPicture ReadPictureWithQt(const std::vector<std::uint8_t>& bytes, const char* format)
{
    if (!QImageReader::supportedImageFormats().contains(QByteArray(format)))
        throw PictureError("this system has no reader for " + QByteArray(format).toUpper().toStdString() +
                           " pictures (Qt's image format plugins are not installed)");
    if (bytes.size() > std::size_t(INT_MAX)) throw PictureError("the file is too large");
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(true);  // the orientation a camera recorded
    // The size the header promises is checked before anything is allocated.
    const QSize promised = reader.size();
    if (promised.isValid()) CheckPictureDimensions(promised.width(), promised.height());
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        const std::string reason = reader.errorString().toStdString();
        throw PictureError(reason.empty() ? "the file is damaged" : "the file is damaged (" + reason + ")");
    }
    return PictureFromImage(image);
}

}  // namespace glimmora
