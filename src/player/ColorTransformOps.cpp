#include "player/ColorTransformOps.h"

#include <algorithm>

namespace glimmora::player {
namespace {

int Channel(int value, int mult, int add)
{
    return std::clamp(value * mult / 256 + add, 0, 255);
}

int16_t Clamp16(long value)
{
    return int16_t(std::clamp<long>(value, -32768, 32767));
}

}  // namespace

bool IsIdentity(const swf::ColorTransform& cx)
{
    return !cx.hasMult() && !cx.hasAdd();
}

QColor ApplyColorTransform(const swf::ColorTransform& cx, const swf::Rgba& c)
{
    return QColor(Channel(c.r, cx.multR, cx.addR), Channel(c.g, cx.multG, cx.addG),
                  Channel(c.b, cx.multB, cx.addB), Channel(c.a, cx.multA, cx.addA));
}

swf::ColorTransform ComposeColorTransforms(const swf::ColorTransform& p,
                                           const swf::ColorTransform& c)
{
    swf::ColorTransform r;
    r.multR = Clamp16(long(p.multR) * c.multR / 256);
    r.multG = Clamp16(long(p.multG) * c.multG / 256);
    r.multB = Clamp16(long(p.multB) * c.multB / 256);
    r.multA = Clamp16(long(p.multA) * c.multA / 256);
    r.addR = Clamp16(p.addR + long(p.multR) * c.addR / 256);
    r.addG = Clamp16(p.addG + long(p.multG) * c.addG / 256);
    r.addB = Clamp16(p.addB + long(p.multB) * c.addB / 256);
    r.addA = Clamp16(p.addA + long(p.multA) * c.addA / 256);
    return r;
}

QImage ApplyColorTransform(const swf::ColorTransform& cx, const QImage& source)
{
    if (IsIdentity(cx) || source.isNull()) {
        return source;
    }
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.detach();
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb straight = qUnpremultiply(row[x]);
            const swf::Rgba in{uint8_t(qRed(straight)), uint8_t(qGreen(straight)),
                               uint8_t(qBlue(straight)), uint8_t(qAlpha(straight))};
            row[x] = qPremultiply(ApplyColorTransform(cx, in).rgba());
        }
    }
    return image;
}

}  // namespace glimmora::player
