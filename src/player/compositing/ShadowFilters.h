#pragma once
// The filters built on the blurred outline of an object: drop shadow, glow,
// bevel, gradient glow and gradient bevel. Each blurs the object's alpha,
// offsets it by the filter's distance along its angle, colours it (one colour,
// a highlight and a shadow, or a gradient indexed by the blurred alpha) and
// combines it with the object: under it (outer), inside it (inner), on top
// of it, or alone (knockout, or when the object itself is hidden).

#include "swf/format/Filters.h"

#include <QImage>

namespace glimmora::player {

// `pixelScale`: device pixels per stage pixel. `source` is premultiplied and
// large enough to hold the effect.
QImage ApplyShadowFilter(const QImage& source, const swf::Filter& filter, double pixelScale);

}  // namespace glimmora::player
