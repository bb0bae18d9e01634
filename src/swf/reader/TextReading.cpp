#include "swf/reader/TextReading.h"

#include "swf/reader/RecordReading.h"

namespace glimmora::swf {

Text ReadDefineText(BitReader& in, int version, DecodeContext& ctx) {
    Text text;
    text.version = version;
    text.bounds = ReadRect(in);
    text.matrix = ReadMatrix(in);
    unsigned glyphBits = in.U8(), advanceBits = in.U8();
    if (glyphBits > 32 || advanceBits > 32) throw DecodeError("glyph or advance field wider than 32 bits");
    while (true) {
        uint8_t flags = in.U8();
        if (flags == 0) break;
        TextRecord record;
        if (flags & 0x08) record.fontId = in.U16();
        if (flags & 0x04) record.color = version >= 2 ? ReadRgba(in) : ReadRgb(in);
        if (flags & 0x01) record.xOffset = in.S16();
        if (flags & 0x02) record.yOffset = in.S16();
        if (flags & 0x08) record.height = in.U16();
        unsigned count = in.U8();
        ctx.CountRecords(1 + count);
        for (unsigned i = 0; i < count; ++i) {
            TextGlyph glyph;
            glyph.index = in.UB(glyphBits);
            glyph.advance = in.SB(advanceBits);
            record.glyphs.push_back(glyph);
        }
        in.Align();
        text.records.push_back(std::move(record));
    }
    return text;
}

}  // namespace glimmora::swf
