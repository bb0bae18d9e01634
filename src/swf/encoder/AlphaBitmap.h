#pragma once
// The bitmap definition of a picture with an alpha channel. Its colours are
// premultiplied by alpha, as players expect them. Photographs with soft edges
// go in as a JPEG with a zlib-compressed alpha plane (DefineBitsJPEG3) when
// that takes at most half the bytes of lossless ARGB; drawings, logos and
// everything else as lossless ARGB (DefineBitsLossless2), exact to the pixel.

#include "swf/encoder/Content.h"
#include "swf/encoder/PngInspector.h"

namespace glimmora::swf {

// The JPEG quality of the colours of a DefineBitsJPEG3, as of every picture
// the program stores.
inline constexpr int kAlphaJpegQuality = 75;

// Throws SwfError when compression fails (out of memory).
BitmapImage MakeAlphaBitmap(const RgbaPixels& pixels);

}  // namespace glimmora::swf
