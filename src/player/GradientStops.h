#pragma once
// The colour ramp of an SWF gradient as a Qt gradient: colour and alpha
// interpolated separately (straight colour), in sRGB or in linear light, with
// equal and out-of-order ratios as players read them, and the spread mode.

#include "swf/reader/DecodedMovie.h"

#include <QGradient>

namespace glimmora::player {

// The stops of `style` (through `cx`) over 0..1, the first and last colours
// padded out to the ends.
QGradientStops GradientRamp(const swf::FillStyle& style, const swf::ColorTransform& cx);

// Sets the ramp, the spread and the interpolation of `gradient`.
void SetGradientRamp(QGradient& gradient, const swf::FillStyle& style, const swf::ColorTransform& cx);

}  // namespace glimmora::player
