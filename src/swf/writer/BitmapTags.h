#pragma once
// DefineBitsJPEG2: a complete JPEG file, always with the long tag header.

#include "swf/writer/BitWriter.h"

#include <cstdint>
#include <vector>

namespace glimmora::swf {

void WriteDefineBitsJpeg2(BitWriter& out, uint16_t bitmapId, const std::vector<uint8_t>& jpeg);

}  // namespace glimmora::swf
