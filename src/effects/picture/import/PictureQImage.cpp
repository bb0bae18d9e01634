#include "effects/picture/import/PictureQImage.h"

#include <cstring>

namespace glimmora {

ImportedPicture PictureFromImage(const QImage& read)
{
    ImportedPicture picture;
    picture.colour = AllocateRgbImage(read.width(), read.height());
    const bool withAlpha = read.hasAlphaChannel();
    const QImage image = read.convertToFormat(withAlpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const std::size_t width = std::size_t(image.width());
    if (withAlpha) picture.alpha.resize(width * std::size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const uchar* in = image.constScanLine(y);
        std::uint8_t* out = picture.colour.Row(y);
        if (!withAlpha) {
            std::memcpy(out, in, width * 3);
            continue;
        }
        std::uint8_t* alpha = picture.alpha.data() + std::size_t(y) * width;
        for (std::size_t x = 0; x < width; ++x) {
            std::memcpy(out + 3 * x, in + 4 * x, 3);
            alpha[x] = in[4 * x + 3];
        }
    }
    return picture;
}

QImage ImageFromPicture(const ImportedPicture& picture)
{
    const bool withAlpha = !picture.alpha.empty();
    QImage image(picture.Width(), picture.Height(), withAlpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const std::size_t width = std::size_t(picture.Width());
    for (int y = 0; y < picture.Height(); ++y) {
        uchar* out = image.scanLine(y);
        const std::uint8_t* in = picture.colour.Row(y);
        if (!withAlpha) {
            std::memcpy(out, in, width * 3);
            continue;
        }
        const std::uint8_t* alpha = picture.alpha.data() + std::size_t(y) * width;
        for (std::size_t x = 0; x < width; ++x) {
            std::memcpy(out + 4 * x, in + 3 * x, 3);
            out[4 * x + 3] = alpha[x];
        }
    }
    return image;
}

}  // namespace glimmora
