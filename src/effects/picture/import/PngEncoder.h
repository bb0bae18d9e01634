#pragma once
// Encodes a picture with its alpha channel as a PNG file in memory (Qt's PNG
// writer): the lossless form in which pictures with transparency are stored.

#include "effects/picture/import/ImportedPicture.h"

#include <cstdint>
#include <vector>

namespace glimmora {

// Throws PictureError when the writer fails (out of memory).
std::vector<std::uint8_t> EncodePng(const ImportedPicture& picture);

}  // namespace glimmora
