#include "swf/reader/FontReading.h"

#include "swf/reader/RecordReading.h"
#include "swf/reader/ShapeReading.h"

#include <algorithm>

namespace glimmora::swf {
namespace {

std::string ReadFontName(BitReader& in, size_t length, uint8_t version) {
    const uint8_t* p = in.Bytes(length);
    std::string name(reinterpret_cast<const char*>(p), length);
    while (!name.empty() && name.back() == '\0') name.pop_back();
    return version >= 6 ? name : FromCp1252(name);
}

// Reads each glyph's shape from its offset (counted from `tableStart`) up to
// the next higher offset, or to `end` for the last shape. Offsets need not
// ascend: writers that store glyphs out of order are read as players do.
void ReadGlyphShapes(const BitReader& in, size_t tableStart, const std::vector<uint32_t>& offsets, size_t end,
                     Font& font, DecodeContext& ctx) {
    std::vector<uint32_t> sorted = offsets;
    std::sort(sorted.begin(), sorted.end());
    for (size_t i = 0; i < offsets.size(); ++i) {
        size_t from = tableStart + offsets[i];
        auto next = std::upper_bound(sorted.begin(), sorted.end(), offsets[i]);
        size_t to = next != sorted.end() ? tableStart + *next : end;
        if (from > end) throw DecodeError("glyph " + std::to_string(i) + " lies past the glyph data");
        BitReader shape = in.Slice(from, std::min(to, end));
        if (shape.Size() > 0) font.glyphs[i].records = ReadGlyphShape(shape, ctx);
    }
}

}  // namespace

Font ReadDefineFont(BitReader& in, DecodeContext& ctx) {
    Font font;
    font.version = 1;
    size_t tableStart = in.Position();
    if (in.AtEnd()) return font;  // a font without glyphs
    uint16_t first = in.U16();
    size_t count = first / 2;
    if (count == 0) return font;
    std::vector<uint32_t> offsets{first};
    for (size_t i = 1; i < count; ++i) offsets.push_back(in.U16());
    ctx.CountRecords(count);
    font.glyphs.resize(count);
    ReadGlyphShapes(in, tableStart, offsets, in.Size(), font, ctx);
    return font;
}

Font ReadDefineFont2(BitReader& in, int version, DecodeContext& ctx) {
    Font font;
    font.version = version;
    uint8_t flags = in.U8();
    bool hasLayout = flags & 0x80, wideOffsets = flags & 0x08, wideCodes = flags & 0x04;
    font.italic = (flags & 0x02) != 0;
    font.bold = (flags & 0x01) != 0;
    in.U8();  // language
    font.name = ReadFontName(in, in.U8(), ctx.version);
    uint16_t count = in.U16();

    size_t tableStart = in.Position();
    std::vector<uint32_t> offsets;
    size_t entry = wideOffsets ? 4 : 2;
    if (in.Remaining() < entry * count) throw DecodeError("the glyph offset table runs past the tag");
    for (size_t i = 0; i < count; ++i) offsets.push_back(wideOffsets ? in.U32() : in.U16());
    size_t codeTableOffset = in.Position() - tableStart;
    // Some writers leave the code-table offset out of a font without glyphs.
    if (count > 0 || in.Remaining() >= entry) codeTableOffset = wideOffsets ? in.U32() : in.U16();
    size_t codeTable = tableStart + codeTableOffset;
    if (codeTable > in.Size()) throw DecodeError("the code table offset lies past the tag");

    ctx.CountRecords(count);
    font.glyphs.resize(count);
    ReadGlyphShapes(in, tableStart, offsets, codeTable, font, ctx);

    in.Seek(codeTable);
    for (Glyph& glyph : font.glyphs) glyph.code = wideCodes ? in.U16() : in.U8();
    if (!hasLayout) return font;

    font.hasLayout = true;
    font.ascent = in.U16();
    font.descent = in.U16();
    font.leading = in.S16();
    for (Glyph& glyph : font.glyphs) glyph.advance = in.S16();
    // Bounds and kerning are optional in practice; nothing here uses them.
    return font;
}

void ReadDefineFontInfo(BitReader& in, bool info2, Font& font, DecodeContext& ctx) {
    font.name = ReadFontName(in, in.U8(), ctx.version);
    uint8_t flags = in.U8();
    bool wideCodes = (flags & 0x01) != 0;
    font.italic = (flags & 0x04) != 0;
    font.bold = (flags & 0x02) != 0;
    if (info2) in.U8();  // language
    for (Glyph& glyph : font.glyphs) glyph.code = wideCodes ? in.U16() : in.U8();
}

}  // namespace glimmora::swf
