#pragma once
// Pictures of the formats that Qt's image readers know (PNG, GIF, WebP): the
// first frame of an animation, with its alpha channel when it has one.

#include "effects/picture/import/ImportedPicture.h"

#include <cstdint>
#include <vector>

namespace glimmora {

// `format`: Qt's name of the format ("png", "gif", "webp"). The bytes must be
// of that format. Throws PictureError saying what is wrong (damaged, too
// large, or no reader for the format on this system).
ImportedPicture ReadPictureWithQt(const std::vector<std::uint8_t>& bytes, const char* format);

}  // namespace glimmora
