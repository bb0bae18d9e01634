#pragma once
// DefineFont2 with layout: glyphs get the codes 1..N in the order given, and
// the offsets widen to 32 bits when the shapes need it.

#include "swf/writer/BitWriter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace glimmora::swf {

struct FontGlyph {
    const std::vector<uint8_t>* shape = nullptr;  // an encoded SHAPE
    int32_t advance = 0;                          // 1024ths of an em
};

struct FontDefinition {
    uint16_t fontId = 0;
    std::string name;  // at most 255 bytes are written
    uint16_t ascent = 0, descent = 0;
    std::vector<FontGlyph> glyphs;  // at most 65535
};

void WriteDefineFont2(BitWriter& out, BitWriter& scratch, const FontDefinition& font);

}  // namespace glimmora::swf
