#include "player/FillPainter.h"

#include "player/ColorTransformOps.h"
#include "player/QtConversions.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace glimmora::player {
namespace {

using Type = swf::FillStyle::Type;

constexpr double kGradientHalf = 16384.0;
// Clipped bitmaps reaching at most this many pixels past their edges are
// drawn from an edge-padded copy; farther ones stretch their edge strips.
constexpr double kSmallMargin = 8.0;


bool IsClippedBitmap(Type t)
{
    return t == Type::ClippedBitmap || t == Type::ClippedBitmapHard;
}

bool IsAlphaOnly(const swf::ColorTransform& cx)
{
    return cx.multR == 256 && cx.multG == 256 && cx.multB == 256 && !cx.hasAdd() && cx.multA >= 0 &&
           cx.multA <= 256;
}

bool IsBitmap(Type t)
{
    return t == Type::RepeatingBitmap || t == Type::RepeatingBitmapHard || IsClippedBitmap(t);
}

double ToLinear(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double FromLinear(double c)
{
    return c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
}

// Qt blends stops in sRGB; a gradient blended in linear light gets
// intermediate stops that follow the linear-light curve.
QGradientStops LinearLightStops(const QGradientStops& stops)
{
    constexpr int kSteps = 16;
    QGradientStops out;
    for (int i = 0; i + 1 < stops.size(); ++i) {
        const auto& [p0, c0] = stops[i];
        const auto& [p1, c1] = stops[i + 1];
        for (int k = 0; k < kSteps; ++k) {
            const double t = double(k) / kSteps;
            auto mix = [&](double a, double b) { return FromLinear(ToLinear(a) + (ToLinear(b) - ToLinear(a)) * t); };
            out.push_back({p0 + (p1 - p0) * t,
                           QColor::fromRgbF(float(mix(c0.redF(), c1.redF())), float(mix(c0.greenF(), c1.greenF())),
                                            float(mix(c0.blueF(), c1.blueF())),
                                            float(c0.alphaF() + (c1.alphaF() - c0.alphaF()) * t))});
        }
    }
    out.push_back(stops.back());
    return out;
}

void SetStops(QGradient& gradient, const swf::FillStyle& style, const swf::ColorTransform& cx)
{
    if (style.stops.empty()) {
        gradient.setColorAt(0, ApplyColorTransform(cx, swf::Rgba{0, 0, 0, 255}));
        gradient.setColorAt(1, ApplyColorTransform(cx, swf::Rgba{0, 0, 0, 255}));
        return;
    }
    QGradientStops stops;
    for (const swf::GradientStop& stop : style.stops) {
        const double at = stop.ratio / 255.0;
        const QColor color = ApplyColorTransform(cx, stop.color);
        // Qt keeps one stop per position; an equal ratio makes a hard step.
        const double position = !stops.empty() && at <= stops.back().first
                                    ? std::min(1.0, stops.back().first + 1e-6)
                                    : at;
        stops.push_back({position, color});
    }
    if (stops.front().first > 0) {
        stops.prepend({0.0, stops.front().second});
    }
    if (stops.back().first < 1) {
        stops.push_back({1.0, stops.back().second});
    }
    if (style.interpolation == 1) {
        stops = LinearLightStops(stops);
    }
    gradient.setStops(stops);
    gradient.setSpread(style.spread == 1   ? QGradient::ReflectSpread
                       : style.spread == 2 ? QGradient::RepeatSpread
                                           : QGradient::PadSpread);
}

// A device pixel expressed in the painter's local units, for the 1 px minimum stroke.
double LocalUnitsPerPixel(const QTransform& t)
{
    const double scale = std::sqrt(std::abs(t.determinant()));
    return scale > 0 ? 1.0 / scale : 1.0;
}

}  // namespace

bool FillPainter::Smooth(const swf::FillStyle& style) const
{
    return smoothBitmaps_ &&
           (style.type == Type::RepeatingBitmap || style.type == Type::ClippedBitmap);
}

QBrush FillPainter::Brush(const swf::FillStyle& style, const swf::ColorTransform& cx)
{
    if (style.type == Type::Linear) {
        QLinearGradient gradient(-kGradientHalf, 0, kGradientHalf, 0);
        SetStops(gradient, style, cx);
        QBrush brush(gradient);
        brush.setTransform(ToQTransform(style.matrix));
        return brush;
    }
    if (style.type == Type::Radial || style.type == Type::Focal) {
        const double focal = style.type == Type::Focal
                                 ? std::clamp(style.focalPoint, -1.0, 1.0) * kGradientHalf
                                 : 0.0;
        QRadialGradient gradient(QPointF(0, 0), kGradientHalf, QPointF(focal, 0));
        SetStops(gradient, style, cx);
        QBrush brush(gradient);
        brush.setTransform(ToQTransform(style.matrix));
        return brush;
    }
    if (IsBitmap(style.type)) {
        const QImage& image = cache_.Bitmap(style.bitmapId, cx);
        if (image.isNull()) {
            return Qt::NoBrush;
        }
        QBrush brush(image);
        brush.setTransform(ToQTransform(style.matrix));
        return brush;
    }
    return QBrush(ApplyColorTransform(cx, style.color));
}

void FillPainter::Fill(QPainter& painter, const QPainterPath& path, const swf::FillStyle& style,
                       const swf::ColorTransform& cx)
{
    if (!IsBitmap(style.type)) {
        painter.fillPath(path, Brush(style, cx));
        return;
    }
    // A transform of alpha alone is this one fill's opacity: no transformed copy needed.
    const bool alphaOnly = IsAlphaOnly(cx);
    const QImage& image = alphaOnly ? cache_.Bitmap(style.bitmapId) : cache_.Bitmap(style.bitmapId, cx);
    if (image.isNull()) {
        return;  // an undecodable bitmap draws nothing
    }
    const double opacity = painter.opacity();
    if (alphaOnly) {
        painter.setOpacity(opacity * cx.multA / 256.0);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, Smooth(style));
    if (IsClippedBitmap(style.type)) {
        FillClippedBitmap(painter, path, image, style);
    } else {
        QBrush brush(image);
        brush.setTransform(ToQTransform(style.matrix));
        painter.fillPath(path, brush);
    }
    painter.setOpacity(opacity);
}

// Clipped bitmap fills extend their edge pixels outward: from an edge-padded
// copy when the path stays near the picture, else by stretching the edge rows,
// columns and corners over the rest of the path's area around the picture.
void FillPainter::FillClippedBitmap(QPainter& painter, const QPainterPath& path,
                                    const QImage& image, const swf::FillStyle& style)
{
    const QTransform toShape = ToQTransform(style.matrix);
    bool invertible = false;
    const QTransform toImage = toShape.inverted(&invertible);
    if (!invertible) {
        return;
    }
    painter.save();
    painter.setClipPath(path, Qt::IntersectClip);
    painter.setTransform(toShape, true);

    const double w = image.width(), h = image.height();
    const QRectF picture(0, 0, w, h);
    const QRectF covered = toImage.mapRect(path.boundingRect());
    const double margin = std::max({0.0, picture.left() - covered.left(), covered.right() - picture.right(),
                                    picture.top() - covered.top(), covered.bottom() - picture.bottom()});
    // The usual case: the path hugs the picture. One draw of a copy with a
    // small border of edge pixels, so that no seam shows even when translucent.
    if (margin <= kSmallMargin) {
        const int pad = int(std::ceil(margin)) + 1;
        const QImage& padded = cache_.EdgePadded(image, pad);
        if (!padded.isNull()) {
            painter.drawImage(QRectF(-pad, -pad, w + 2 * pad, h + 2 * pad), padded);
            painter.restore();
            return;
        }
    }
    const QRectF area = covered.united(picture).adjusted(-1, -1, 1, 1);
    const double left = picture.left() - area.left(), right = area.right() - picture.right();
    const double top = picture.top() - area.top(), bottom = area.bottom() - picture.bottom();
    // The pieces abut exactly; drawn without anti-aliasing, every pixel is
    // covered once, so neither a gap nor a doubled seam shows.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int iw = image.width(), ih = image.height();
    painter.drawImage(QRectF(area.left(), 0, left, h), image.copy(0, 0, 1, ih));
    painter.drawImage(QRectF(w, 0, right, h), image.copy(iw - 1, 0, 1, ih));
    painter.drawImage(QRectF(0, area.top(), w, top), image.copy(0, 0, iw, 1));
    painter.drawImage(QRectF(0, h, w, bottom), image.copy(0, ih - 1, iw, 1));
    painter.fillRect(QRectF(area.left(), area.top(), left, top), image.pixelColor(0, 0));
    painter.fillRect(QRectF(w, area.top(), right, top), image.pixelColor(iw - 1, 0));
    painter.fillRect(QRectF(area.left(), h, left, bottom), image.pixelColor(0, ih - 1));
    painter.fillRect(QRectF(w, h, right, bottom), image.pixelColor(iw - 1, ih - 1));
    painter.drawImage(picture, image);
    painter.restore();
}

void FillPainter::Stroke(QPainter& painter, const QPainterPath& path, const swf::LineStyle& style,
                         const swf::ColorTransform& cx)
{
    const QBrush brush = style.fill ? Brush(*style.fill, cx)
                                    : QBrush(ApplyColorTransform(cx, style.color));
    const double minimum = LocalUnitsPerPixel(painter.worldTransform());
    QPen pen(brush, std::max<double>(style.width, minimum), Qt::SolidLine, Qt::RoundCap,
             Qt::RoundJoin);
    painter.strokePath(path, pen);
}

}  // namespace glimmora::player
