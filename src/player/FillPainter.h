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
    void Stroke(QPainter& painter, const QPainterPath& path, const swf::LineStyle& style,
                const swf::ColorTransform& cx);

    // A brush for solid and gradient fills; bitmaps give a texture brush.
    QBrush Brush(const swf::FillStyle& style, const swf::ColorTransform& cx);

private:
    void FillClippedBitmap(QPainter& painter, const QPainterPath& path, const QImage& image,
                           const swf::FillStyle& style);
    bool Smooth(const swf::FillStyle& style) const;

    CharacterCache& cache_;
    bool smoothBitmaps_;
};

}  // namespace glimmora::player
