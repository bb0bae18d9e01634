#pragma once
// The filters that work on each pixel's colour: blur (every channel),
// colour matrix and convolution.

#include "swf/format/Filters.h"

#include <QImage>

namespace glimmora::player {

// `pixelScale`: device pixels per stage pixel.
QImage ApplyBlurFilter(const QImage& premultiplied, const swf::Filter& filter, double pixelScale);
// Rows of red, green, blue and alpha from the straight colour and an offset
// in 0..255.
QImage ApplyColorMatrixFilter(const QImage& premultiplied, const swf::Filter& filter);
// The weighted sum of the neighbourhood (straight colour), divided, biased;
// beyond the image's edge the nearest edge pixel (clamp) or the default colour.
QImage ApplyConvolutionFilter(const QImage& premultiplied, const swf::Filter& filter);

}  // namespace glimmora::player
