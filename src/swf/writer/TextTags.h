#pragma once
// DefineText2 of one line in one font: the glyphs are drawn black at height
// 1024 (one font unit = one twip), starting at x 0 on the given baseline.

#include "swf/format/Records.h"
#include "swf/writer/BitWriter.h"

#include <cstdint>
#include <vector>

namespace glimmora::swf {

struct TextGlyphEntry {
    uint32_t index = 0;  // position in the font's glyph table
    int32_t advance = 0;
};

struct TextDefinition {
    uint16_t textId = 0;
    uint16_t fontId = 0;
    Rect bounds;
    int16_t baseline = 0;
    std::vector<TextGlyphEntry> glyphs;
};

void WriteDefineText2(BitWriter& out, BitWriter& scratch, const TextDefinition& text);

}  // namespace glimmora::swf
