#pragma once
// Decodes a bitmap character into a premultiplied ARGB image: JPEG (libjpeg,
// never exiting on bad data), JPEG with an alpha plane, PNG/GIF in a JPEG tag,
// and the lossless formats 3, 4 and 5. A damaged bitmap gives a null image.

#include "swf/reader/DecodedMovie.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace glimmora::player {

// Larger pictures are refused rather than allocated.
inline constexpr int64_t kMaxBitmapPixels = 64ll << 20;

QImage DecodeBitmap(const swf::Bitmap& bitmap);

// Only the JPEG part: a Format_ARGB32_Premultiplied image, or null.
QImage DecodeJpeg(const std::vector<uint8_t>& data);

// Removes a stray FF D9 FF D8 pair before the frame header, left from glued tables.
std::vector<uint8_t> CleanJpegHeader(const std::vector<uint8_t>& data);

}  // namespace glimmora::player
