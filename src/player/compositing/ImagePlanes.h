#pragma once
// Premultiplied ARGB images taken apart into planes and put together again.

#include "player/compositing/Plane.h"

#include <QImage>

#include <array>

namespace glimmora::player {

// Alpha, red, green, blue (premultiplied), in that order.
using ColorPlanes = std::array<Plane, 4>;

Plane AlphaOf(const QImage& premultiplied);
ColorPlanes Split(const QImage& premultiplied);
// Values are clamped to 0..1, and colours to the alpha.
QImage Join(const ColorPlanes& planes);

}  // namespace glimmora::player
