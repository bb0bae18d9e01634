#pragma once
// Paints one path with one SWF fill or line style: solid colours and gradient
// stops through the colour transform, bitmaps through a transformed copy.

#include "player/CharacterCache.h"
#include "swf/reader/DecodedMovie.h"

#include <QBrush>
#include <QPainter>
#include <QPainterPath>

namespace glimmora::player {

class FillPainter {
public:
    // `smoothBitmaps`: whether bitmap fills 0x40/0x41 are smoothed (SWF 8 and later).
    FillPainter(CharacterCache& cache, bool smoothBitmaps)
        : cache_(cache), smoothBitmaps_(smoothBitmaps) {}

    // The painter's world transform maps shape space (twips) to the device.
    void Fill(QPainter& painter, const QPainterPath& path, const swf::FillStyle& style,
              const swf::ColorTransform& cx);
    // `stageScale`: device pixels per twip of the stage, the measure of a
    // line that keeps its width however its shape is scaled.
    void Stroke(QPainter& painter, const QPainterPath& path, const swf::LineStyle& style,
                const swf::ColorTransform& cx, double stageScale);
    // The width in device pixels of `style` drawn through `toDevice`, before
    // the one-pixel minimum (zero for a hairline).
    static double StrokeWidthOnDevice(const swf::LineStyle& style, const QTransform& toDevice, double stageScale);

    // Where two fills of a shape meet, the one drawn first also covers
    // their shared `edges` a pixel wide, under the later one: otherwise both
    // anti-aliased edges let the background through between them. Only for
    // opaque solid and gradient fills on both sides (through a translucent
    // one, the cover would show), and only when drawing anti-aliased.
    void CoverSeam(QPainter& painter, const QPainterPath& edges, const swf::FillStyle& earlier,
                   const swf::FillStyle& later, const swf::ColorTransform& cx);

    // Whether smoothed bitmap fills are smoothed (not at low and medium quality).
    void SetBitmapSmoothing(bool on) { qualitySmooths_ = on; }

    // A brush for solid and gradient fills; bitmaps give a texture brush.
    QBrush Brush(const swf::FillStyle& style, const swf::ColorTransform& cx);

private:
    void FillClippedBitmap(QPainter& painter, const QPainterPath& path, const QImage& image,
                           const swf::FillStyle& style);
    bool Smooth(const swf::FillStyle& style) const;

    CharacterCache& cache_;
    bool smoothBitmaps_;
    bool qualitySmooths_ = true;
};

}  // namespace glimmora::player
