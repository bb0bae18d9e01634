#include "swf/writer/TextTags.h"

#include "swf/writer/BitWidths.h"
#include "swf/writer/RecordWriter.h"
#include "swf/writer/TagHeader.h"

#include <algorithm>

namespace glimmora::swf {

void WriteDefineText2(BitWriter& out, BitWriter& scratch, const TextDefinition& text)
{
    int glyphBits = 1, advanceBits = 1;
    for (const TextGlyphEntry& g : text.glyphs) {
        glyphBits = std::max(glyphBits, UnsignedBits(g.index));
        advanceBits = std::max(advanceBits, SignedBits(g.advance));
    }
    scratch.Clear();
    scratch.UI16(text.textId);
    WriteRect(scratch, text.bounds);
    WriteMatrix(scratch, Matrix{});
    scratch.UI8(uint8_t(glyphBits));
    scratch.UI8(uint8_t(advanceBits));
    // A record holds at most 255 glyphs; the pen carries over to the next one.
    for (size_t first = 0; first < text.glyphs.size(); first += 255) {
        const size_t count = std::min<size_t>(255, text.glyphs.size() - first);
        if (first == 0) {
            scratch.UI8(0x80 | 0x08 | 0x04 | 0x02 | 0x01);  // font, colour, y, x
            scratch.UI16(text.fontId);
            WriteRgba(scratch, Rgba{0, 0, 0, 255});
            scratch.SI16(0);
            scratch.SI16(text.baseline);
            scratch.UI16(1024);
        } else {
            scratch.UI8(0x80);
        }
        scratch.UI8(uint8_t(count));
        for (size_t i = first; i < first + count; ++i) {
            scratch.UB(text.glyphs[i].index, glyphBits);
            scratch.SB(text.glyphs[i].advance, advanceBits);
        }
        scratch.Align();
    }
    scratch.UI8(0);
    WriteTag(out, TagCode::DefineText2, scratch);
}

}  // namespace glimmora::swf
