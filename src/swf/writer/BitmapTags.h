#pragma once
// Bitmap definitions, always with the long tag header: DefineBitsJPEG2 (a
// complete JPEG), DefineBitsJPEG3 (a JPEG and its zlib-compressed alpha
// plane) and DefineBitsLossless2 (zlib-compressed premultiplied ARGB).

#include "swf/writer/BitWriter.h"

#include <cstdint>
#include <vector>

namespace glimmora::swf {

void WriteDefineBitsJpeg2(BitWriter& out, uint16_t bitmapId, const std::vector<uint8_t>& jpeg);

// `alpha`: the zlib stream of one byte per pixel, rows from the top.
void WriteDefineBitsJpeg3(BitWriter& out, uint16_t bitmapId, const std::vector<uint8_t>& jpeg,
                          const std::vector<uint8_t>& alpha);

// Format 5: `argb` is the zlib stream of width x height pixels A, R, G, B,
// colours premultiplied by alpha, rows from the top.
void WriteDefineBitsLossless2(BitWriter& out, uint16_t bitmapId, uint16_t width, uint16_t height,
                              const std::vector<uint8_t>& argb);

}  // namespace glimmora::swf
