#pragma once
// Decodes a BMP file held in memory into RGB pixels: the OS/2 core header and
// the Windows header with its V2 to V5 extensions; 1, 4 and 8 bits with a
// palette, 16 bits (5-5-5, or bit fields such as 5-6-5), 24 bits, 32 bits
// (plain or bit fields); rows from the bottom or the top; RLE8 and RLE4.
// Alpha is dropped.

#include "effects/picture/import/RgbImage.h"

#include <cstddef>
#include <cstdint>

namespace glimmora {

// Throws PictureError with the problem for anything that is not such a BMP,
// or that is damaged, truncated or larger than the picture limits.
RgbImage DecodeBmp(const std::uint8_t* data, std::size_t size);

}  // namespace glimmora
