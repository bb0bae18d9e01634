#pragma once
// SWF tag headers (short and long form) and tag names for messages.

#include "swf/reader/BitReader.h"

#include <cstdint>
#include <string>

namespace glimmora::swf {

struct TagHeader {
    uint16_t code = 0;
    uint32_t length = 0;  // of the body, not counting the header
    size_t offset = 0;    // file offset of the header
};

// Reads a tag header and checks that the body fits in what remains; the
// caller then takes the body with in.Sub(header.length).
TagHeader ReadTagHeader(BitReader& in);

// "DefineShape3 (32)", or "tag 77" for a code we do not name.
std::string TagName(uint16_t code);

}  // namespace glimmora::swf
