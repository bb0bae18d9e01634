#pragma once
// Run-length encoded BMP pixels (BI_RLE8 and BI_RLE4): runs, absolute runs,
// end-of-line, delta and end-of-bitmap codes.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace glimmora {

// Palette indices, width * height bytes, rows in the order the file stores
// them. Pixels the codes skip stay 0; pixels beyond the picture are dropped.
// Throws PictureError when the codes run past the data before the picture
// is complete.
std::vector<std::uint8_t> DecodeBmpRle(const std::uint8_t* codes, std::size_t size, int width, int height,
                                       bool fourBit);

}  // namespace glimmora
