#include "player/FillPainter.h"

#include "player/ColorTransformOps.h"
#include "player/GradientStops.h"
#include "player/QtConversions.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
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

// Whether every pixel of a solid or gradient fill is opaque after `cx`;
// bitmaps are taken as possibly translucent.
bool IsOpaque(const swf::FillStyle& style, const swf::ColorTransform& cx)
{
    if (style.type == Type::Solid) {
        return ApplyColorTransform(cx, style.color).alpha() == 255;
    }
    if (IsBitmap(style.type)) {
        return false;
    }
    return std::all_of(style.stops.begin(), style.stops.end(), [&](const swf::GradientStop& stop) {
        return ApplyColorTransform(cx, stop.color).alpha() == 255;
    }) && ApplyColorTransform(cx, swf::Rgba{0, 0, 0, 255}).alpha() == 255;
}

Qt::PenCapStyle ToQt(swf::LineStyle::Cap cap)
{
    switch (cap) {
    case swf::LineStyle::Cap::None: return Qt::FlatCap;
    case swf::LineStyle::Cap::Square: return Qt::SquareCap;
    default: return Qt::RoundCap;
    }
}

Qt::PenJoinStyle ToQt(swf::LineStyle::Join join)
{
    switch (join) {
    case swf::LineStyle::Join::Bevel: return Qt::BevelJoin;
    // Qt's miter join, like the format's, is cut off at the limit.
    case swf::LineStyle::Join::Miter: return Qt::MiterJoin;
    default: return Qt::RoundJoin;
    }
}

}  // namespace

bool FillPainter::Smooth(const swf::FillStyle& style) const
{
    return smoothBitmaps_ && qualitySmooths_ &&
           (style.type == Type::RepeatingBitmap || style.type == Type::ClippedBitmap);
}

QBrush FillPainter::Brush(const swf::FillStyle& style, const swf::ColorTransform& cx)
{
    if (style.type == Type::Linear) {
        QLinearGradient gradient(-kGradientHalf, 0, kGradientHalf, 0);
        SetGradientRamp(gradient, style, cx);
        QBrush brush(gradient);
        brush.setTransform(ToQTransform(style.matrix));
        return brush;
    }
    if (style.type == Type::Radial || style.type == Type::Focal) {
        const double focal = style.type == Type::Focal
                                 ? std::clamp(style.focalPoint, -1.0, 1.0) * kGradientHalf
                                 : 0.0;
        QRadialGradient gradient(QPointF(0, 0), kGradientHalf, QPointF(focal, 0));
        SetGradientRamp(gradient, style, cx);
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

void FillPainter::CoverSeam(QPainter& painter, const QPainterPath& edges, const swf::FillStyle& earlier,
                            const swf::FillStyle& later, const swf::ColorTransform& cx)
{
    if (!painter.testRenderHint(QPainter::Antialiasing) || !IsOpaque(earlier, cx) || !IsOpaque(later, cx)) {
        return;
    }
    QPen pen(Brush(earlier, cx), 1, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin);
    pen.setCosmetic(true);
    painter.strokePath(edges, pen);
}

double FillPainter::StrokeWidthOnDevice(const swf::LineStyle& style, const QTransform& toDevice, double stageScale)
{
    if (style.noHScale && style.noVScale) {
        return style.width * stageScale;
    }
    // A line that keeps its width along one axis scales with the other alone.
    if (style.noHScale) {
        return style.width * std::hypot(toDevice.m21(), toDevice.m22());
    }
    if (style.noVScale) {
        return style.width * std::hypot(toDevice.m11(), toDevice.m12());
    }
    return style.width * std::sqrt(std::abs(toDevice.determinant()));
}

void FillPainter::Stroke(QPainter& painter, const QPainterPath& path, const swf::LineStyle& style,
                         const swf::ColorTransform& cx, double stageScale)
{
    const QBrush brush = style.fill ? Brush(*style.fill, cx)
                                    : QBrush(ApplyColorTransform(cx, style.color));
    // Qt draws one cap style at both ends; players take the start's for both.
    QPen pen(brush, style.width, Qt::SolidLine, ToQt(style.startCap), ToQt(style.join));
    pen.setMiterLimit(std::max(1.0, style.miterLimit));
    const QTransform& toDevice = painter.worldTransform();
    const double onDevice = StrokeWidthOnDevice(style, toDevice, stageScale);
    const bool keepsWidth = style.noHScale || style.noVScale;
    if (onDevice < 1) {
        // Hairlines and lines thinner than a pixel: one pixel, however the shape is stretched.
        pen.setWidthF(1);
        pen.setCosmetic(true);
    } else if (keepsWidth) {
        pen.setWidthF(onDevice);
        pen.setCosmetic(true);
    }
    painter.strokePath(path, pen);
}

}  // namespace glimmora::player
