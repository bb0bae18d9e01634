#include "player/BitmapDecoder.h"

#include <algorithm>
#include <cstring>

namespace glimmora::player {
namespace {

bool StartsWith(const std::vector<uint8_t>& data, const char* magic, size_t length)
{
    return data.size() >= length && std::memcmp(data.data(), magic, length) == 0;
}

// Keeps a premultiplied pixel valid: no channel above its alpha.
QRgb ClampToAlpha(int a, int r, int g, int b)
{
    return qRgba(std::min(r, a), std::min(g, a), std::min(b, a), a);
}

QImage NewImage(int width, int height)
{
    if (width <= 0 || height <= 0 || int64_t(width) * height > kMaxBitmapPixels) {
        return {};
    }
    return QImage(width, height, QImage::Format_ARGB32_Premultiplied);
}

QImage DecodePalette(const swf::Bitmap& b)
{
    const size_t entrySize = b.losslessAlpha ? 4 : 3;
    const size_t tableBytes = size_t(b.colorTableSize) * entrySize;
    const size_t stride = (size_t(b.width) + 3) & ~size_t(3);
    if (b.data.size() < tableBytes + stride * b.height) {
        return {};
    }
    std::vector<QRgb> palette(b.colorTableSize);
    for (size_t i = 0; i < palette.size(); ++i) {
        const uint8_t* e = b.data.data() + i * entrySize;
        palette[i] = b.losslessAlpha ? ClampToAlpha(e[3], e[0], e[1], e[2])
                                     : qRgba(e[0], e[1], e[2], 255);
    }
    // An index past the table: transparent in v2, black in v1.
    const QRgb outside = b.losslessAlpha ? qRgba(0, 0, 0, 0) : qRgba(0, 0, 0, 255);
    QImage image = NewImage(b.width, b.height);
    if (image.isNull()) {
        return {};
    }
    for (int y = 0; y < b.height; ++y) {
        const uint8_t* src = b.data.data() + tableBytes + stride * y;
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < b.width; ++x) {
            row[x] = src[x] < palette.size() ? palette[src[x]] : outside;
        }
    }
    return image;
}

QImage DecodeRgb15(const swf::Bitmap& b)
{
    const size_t stride = ((size_t(b.width) + 1) & ~size_t(1)) * 2;
    if (b.losslessAlpha || b.data.size() < stride * b.height) {
        return {};
    }
    QImage image = NewImage(b.width, b.height);
    if (image.isNull()) {
        return {};
    }
    auto expand = [](int v) { return (v << 3) | (v >> 2); };
    for (int y = 0; y < b.height; ++y) {
        const uint8_t* src = b.data.data() + stride * y;
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < b.width; ++x) {
            const int v = (src[2 * x] << 8) | src[2 * x + 1];
            row[x] = qRgba(expand((v >> 10) & 31), expand((v >> 5) & 31), expand(v & 31), 255);
        }
    }
    return image;
}

QImage DecodeArgb(const swf::Bitmap& b)
{
    const size_t stride = size_t(b.width) * 4;
    if (b.data.size() < stride * b.height) {
        return {};
    }
    QImage image = NewImage(b.width, b.height);
    if (image.isNull()) {
        return {};
    }
    for (int y = 0; y < b.height; ++y) {
        const uint8_t* src = b.data.data() + stride * y;
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < b.width; ++x) {
            const uint8_t* p = src + 4 * x;
            row[x] = b.losslessAlpha ? ClampToAlpha(p[0], p[1], p[2], p[3])
                                     : qRgba(p[1], p[2], p[3], 255);
        }
    }
    return image;
}

QImage DecodeLossless(const swf::Bitmap& b)
{
    switch (b.losslessFormat) {
    case 3: return DecodePalette(b);
    case 4: return DecodeRgb15(b);
    case 5: return DecodeArgb(b);
    default: return {};
    }
}

// JPEG colours count as premultiplied by the separate alpha plane.
void ApplyAlphaPlane(QImage& image, const std::vector<uint8_t>& alpha)
{
    const size_t width = size_t(image.width());
    if (alpha.size() < width * size_t(image.height())) {
        return;  // no usable alpha: the picture stays opaque
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uint8_t* a = alpha.data() + width * y;
        for (size_t x = 0; x < width; ++x) {
            row[x] = ClampToAlpha(a[x], qRed(row[x]), qGreen(row[x]), qBlue(row[x]));
        }
    }
}

QImage DecodeEmbedded(const std::vector<uint8_t>& data)
{
    if (StartsWith(data, "\x89PNG\r\n\x1a\n", 8) || StartsWith(data, "GIF89a", 6) ||
        StartsWith(data, "GIF87a", 6)) {
        QImage image;
        if (!image.loadFromData(data.data(), int(std::min<size_t>(data.size(), INT32_MAX)))) {
            return {};
        }
        if (int64_t(image.width()) * image.height() > kMaxBitmapPixels) {
            return {};
        }
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return DecodeJpeg(data);
}

}  // namespace

QImage DecodeBitmap(const swf::Bitmap& bitmap)
{
    switch (bitmap.kind) {
    case swf::Bitmap::Kind::Lossless:
        return DecodeLossless(bitmap);
    case swf::Bitmap::Kind::JpegWithAlpha: {
        QImage image = DecodeJpeg(bitmap.data);
        if (!image.isNull()) {
            ApplyAlphaPlane(image, bitmap.alpha);
        }
        return image;
    }
    case swf::Bitmap::Kind::Jpeg:
    default:
        return DecodeEmbedded(bitmap.data);
    }
}

}  // namespace glimmora::player
