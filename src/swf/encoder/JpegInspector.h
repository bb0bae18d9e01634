#pragma once
// Checks that bytes are a JPEG image libjpeg decodes completely and cleanly,
// and reads its size. Failures throw SwfError naming the file.

#include "swf/encoder/Content.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace glimmora::swf {

struct JpegSize {
    int width = 0, height = 0;
};

JpegSize InspectJpeg(const uint8_t* data, size_t size, const std::string& fileName);

}  // namespace glimmora::swf
