#pragma once
// Encodes 8-bit RGB pixels as a baseline JPEG file in memory with libjpeg:
// the library's default settings at the given quality.

#include <cstdint>
#include <vector>

namespace glimmora::swf {

// `rgb`: width x height pixels of three bytes, rows from the top. Throws
// SwfError when the library fails (out of memory) or the size is empty.
std::vector<uint8_t> EncodeJpeg(const uint8_t* rgb, int width, int height, int quality);

}  // namespace glimmora::swf
