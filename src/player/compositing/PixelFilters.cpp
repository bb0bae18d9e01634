#include "player/compositing/PixelFilters.h"

#include "player/compositing/BoxBlur.h"
#include "player/compositing/ImagePlanes.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace glimmora::player {
namespace {

constexpr int kMaxSide = 15;

using Straight = std::array<float, 4>;  // red, green, blue, alpha in 0..255

Straight Unpremultiplied(QRgb pixel)
{
    const int a = qAlpha(pixel);
    if (a == 0) return {0, 0, 0, 0};
    const float k = 255.0f / float(a);
    return {float(qRed(pixel)) * k, float(qGreen(pixel)) * k, float(qBlue(pixel)) * k, float(a)};
}

QRgb Premultiplied(const Straight& c)
{
    const auto byte = [](float v) { return std::clamp(int(std::lround(v)), 0, 255); };
    const int a = byte(c[3]);
    const auto channel = [&](float v) { return std::clamp(int(std::lround(std::clamp(v, 0.0f, 255.0f) * a / 255)), 0, a); };
    return qRgba(channel(c[0]), channel(c[1]), channel(c[2]), a);
}

QImage Premultiplied(const QImage& image)
{
    return image.format() == QImage::Format_ARGB32_Premultiplied ? image
                                                                 : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

QImage ApplyBlurFilter(const QImage& image, const swf::Filter& filter, double pixelScale)
{
    ColorPlanes planes = Split(Premultiplied(image));
    const int passes = std::min<int>(filter.passes, 15);
    for (Plane& plane : planes) BoxBlur(plane, filter.blurX * pixelScale, filter.blurY * pixelScale, passes);
    return Join(planes);
}

QImage ApplyColorMatrixFilter(const QImage& image, const swf::Filter& filter)
{
    QImage result = Premultiplied(image).copy();
    const auto& m = filter.colorMatrix;
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const Straight c = Unpremultiplied(row[x]);
            Straight out;
            for (size_t i = 0; i < 4; ++i) {
                const float* r = &m[i * 5];
                out[i] = r[0] * c[0] + r[1] * c[1] + r[2] * c[2] + r[3] * c[3] + r[4];
            }
            row[x] = Premultiplied(out);
        }
    }
    return result;
}

QImage ApplyConvolutionFilter(const QImage& image, const swf::Filter& filter)
{
    const QImage source = Premultiplied(image);
    QImage result(source.size(), QImage::Format_ARGB32_Premultiplied);
    const int columns = filter.columns, rows = filter.rows;
    // Players take matrices up to 15 x 15; a larger one is left undrawn
    // rather than costing seconds a frame.
    if (columns == 0 || rows == 0 || columns > kMaxSide || rows > kMaxSide ||
        filter.weights.size() < size_t(columns) * size_t(rows)) {
        return source;
    }
    const float divisor = filter.divisor == 0 || !std::isfinite(filter.divisor) ? 1 : filter.divisor;
    const float bias = std::isfinite(filter.bias) ? filter.bias : 0;
    const Straight outside{float(filter.defaultColor.r), float(filter.defaultColor.g), float(filter.defaultColor.b),
                           float(filter.defaultColor.a)};
    const int w = source.width(), h = source.height();
    for (int y = 0; y < h; ++y) {
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < w; ++x) {
            Straight sum{0, 0, 0, 0};
            for (int j = 0; j < rows; ++j) {
                for (int i = 0; i < columns; ++i) {
                    int sx = x + i - columns / 2, sy = y + j - rows / 2;
                    Straight c;
                    if (sx < 0 || sy < 0 || sx >= w || sy >= h) {
                        if (!filter.clamp) {
                            c = outside;
                        } else {
                            sx = std::clamp(sx, 0, w - 1);
                            sy = std::clamp(sy, 0, h - 1);
                            c = Unpremultiplied(reinterpret_cast<const QRgb*>(source.constScanLine(sy))[sx]);
                        }
                    } else {
                        c = Unpremultiplied(reinterpret_cast<const QRgb*>(source.constScanLine(sy))[sx]);
                    }
                    const float weight = filter.weights[size_t(j) * size_t(columns) + size_t(i)];
                    if (!std::isfinite(weight)) continue;
                    for (size_t k = 0; k < 4; ++k) sum[k] += weight * c[k];
                }
            }
            Straight value;
            for (size_t k = 0; k < 4; ++k) value[k] = sum[k] / divisor + bias;
            if (filter.preserveAlpha) {
                value[3] = float(qAlpha(reinterpret_cast<const QRgb*>(source.constScanLine(y))[x]));
            }
            out[x] = Premultiplied(value);
        }
    }
    return result;
}

}  // namespace glimmora::player
