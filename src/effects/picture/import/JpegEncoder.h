#pragma once
// Encodes RGB pixels as a JPEG file in memory with libjpeg: the library's
// default settings at the given quality.

#include "effects/picture/import/RgbImage.h"

#include <cstdint>
#include <vector>

namespace glimmora {

// The quality of the stored pictures.
inline constexpr int kStoredJpegQuality = 75;

// Throws PictureError when the library fails (out of memory).
std::vector<std::uint8_t> EncodeJpeg(const RgbImage& image, int quality);

}  // namespace glimmora
