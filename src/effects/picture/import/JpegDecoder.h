#pragma once
// Decodes a JPEG file held in memory into RGB pixels with libjpeg: baseline,
// progressive and arithmetic-coded; colour, greyscale and CMYK/YCCK (Adobe
// inverted or plain).

#include "effects/picture/import/RgbImage.h"

#include <cstddef>
#include <cstdint>

namespace glimmora {

// Throws PictureError with the library's message for data that is not a
// JPEG, or that is damaged, truncated or larger than the picture limits.
RgbImage DecodeJpeg(const std::uint8_t* data, std::size_t size);

}  // namespace glimmora
