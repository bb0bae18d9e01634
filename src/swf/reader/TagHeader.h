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

// What ReadTagHeader found wrong: the data ends in the header, or in its
// 4-byte length, or the body does not fit in what remains.
enum class TagHeaderFault : uint8_t { CutHeader, CutLength, BodyTooLong };
[[noreturn]] void ThrowBadTagHeader(const BitReader& in, const TagHeader& header, TagHeaderFault fault);

// Reads a tag header and checks that the body fits in what remains; the
// caller then takes the body with in.Sub(header.length).
inline TagHeader ReadTagHeader(BitReader& in) {
    TagHeader h;
    h.offset = in.FileOffset();
    if (in.Remaining() < 2) ThrowBadTagHeader(in, h, TagHeaderFault::CutHeader);
    const uint16_t word = in.U16();
    h.code = uint16_t(word >> 6);
    h.length = word & 0x3F;
    if (h.length == 0x3F) {
        if (in.Remaining() < 4) ThrowBadTagHeader(in, h, TagHeaderFault::CutLength);
        h.length = in.U32();
    }
    if (h.length > in.Remaining()) ThrowBadTagHeader(in, h, TagHeaderFault::BodyTooLong);
    return h;
}

// "DefineShape3 (32)", or "tag 77" for a code we do not name.
std::string TagName(uint16_t code);

}  // namespace glimmora::swf
