#include "player/compositing/ImagePlanes.h"

#include <algorithm>

namespace glimmora::player {
namespace {

constexpr float kByte = 1.0f / 255;

const QRgb* Row(const QImage& image, int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y)); }

}  // namespace

Plane AlphaOf(const QImage& image)
{
    Plane alpha(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = Row(image, y);
        for (int x = 0; x < image.width(); ++x) alpha.at(x, y) = float(qAlpha(row[x])) * kByte;
    }
    return alpha;
}

ColorPlanes Split(const QImage& image)
{
    ColorPlanes planes;
    for (Plane& plane : planes) plane = Plane(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = Row(image, y);
        for (int x = 0; x < image.width(); ++x) {
            planes[0].at(x, y) = float(qAlpha(row[x])) * kByte;
            planes[1].at(x, y) = float(qRed(row[x])) * kByte;
            planes[2].at(x, y) = float(qGreen(row[x])) * kByte;
            planes[3].at(x, y) = float(qBlue(row[x])) * kByte;
        }
    }
    return planes;
}

QImage Join(const ColorPlanes& planes)
{
    QImage image(planes[0].width, planes[0].height, QImage::Format_ARGB32_Premultiplied);
    const auto byte = [](float v, float limit) { return int(std::clamp(v, 0.0f, limit) * 255 + 0.5f); };
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const float a = std::clamp(planes[0].at(x, y), 0.0f, 1.0f);
            row[x] = qRgba(byte(planes[1].at(x, y), a), byte(planes[2].at(x, y), a), byte(planes[3].at(x, y), a),
                           byte(a, 1));
        }
    }
    return image;
}

}  // namespace glimmora::player
