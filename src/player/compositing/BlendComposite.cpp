#include "player/compositing/BlendComposite.h"

#include <algorithm>
#include <optional>

namespace glimmora::player {
namespace {

using Mode = swf::BlendMode;

std::optional<QPainter::CompositionMode> PainterMode(Mode mode)
{
    switch (mode) {
    case Mode::Multiply: return QPainter::CompositionMode_Multiply;
    case Mode::Screen: return QPainter::CompositionMode_Screen;
    case Mode::Lighten: return QPainter::CompositionMode_Lighten;
    case Mode::Darken: return QPainter::CompositionMode_Darken;
    case Mode::Difference: return QPainter::CompositionMode_Difference;
    case Mode::Add: return QPainter::CompositionMode_Plus;
    case Mode::Alpha: return QPainter::CompositionMode_DestinationIn;
    case Mode::Erase: return QPainter::CompositionMode_DestinationOut;
    case Mode::Overlay: return QPainter::CompositionMode_Overlay;
    case Mode::HardLight: return QPainter::CompositionMode_HardLight;
    case Mode::Subtract:
    case Mode::Invert: return std::nullopt;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

}  // namespace

QImage BlendPixels(const QImage& layer, const QImage& backdrop, Mode mode)
{
    QImage result = backdrop.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage source = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < result.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb s = in[x], d = out[x];
            const int sa = qAlpha(s), da = qAlpha(d);
            if (mode == Mode::Subtract) {
                // The colours taken away; as opaque as source-over makes it.
                const int a = sa + da - (sa * da + 127) / 255;
                out[x] = qRgba(std::max(qRed(d) - qRed(s), 0), std::max(qGreen(d) - qGreen(s), 0),
                               std::max(qBlue(d) - qBlue(s), 0), a);
            } else {
                // The backdrop inverted as far as the layer covers it.
                const auto invert = [&](int c) { return (sa * (da - c) + (255 - sa) * c + 127) / 255; };
                out[x] = qRgba(invert(qRed(d)), invert(qGreen(d)), invert(qBlue(d)), da);
            }
        }
    }
    return result;
}

void CompositeLayer(QPainter& painter, const QImage& layer, QPoint at, Mode mode)
{
    painter.save();
    painter.resetTransform();
    const std::optional<QPainter::CompositionMode> painterMode = PainterMode(mode);
    auto* device = dynamic_cast<QImage*>(painter.device());
    if (painterMode || !device) {
        painter.setCompositionMode(painterMode.value_or(QPainter::CompositionMode_SourceOver));
        painter.drawImage(at, layer);
    } else {
        // The result replaces the backdrop; the clip's edge still mixes the two.
        const QRect area = QRect(at, layer.size()) & device->rect();
        if (!area.isEmpty()) {
            const QImage blended =
                BlendPixels(layer.copy(area.translated(-at)), device->copy(area), mode);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(area.topLeft(), blended);
        }
    }
    painter.restore();
}

}  // namespace glimmora::player
