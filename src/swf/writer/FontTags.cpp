#include "swf/writer/FontTags.h"

#include "swf/writer/TagHeader.h"

#include <algorithm>

namespace glimmora::swf {
namespace {

// Cuts a UTF-8 name to at most 255 bytes without splitting a character.
std::string FontName(const std::string& name)
{
    if (name.size() <= 255) {
        return name;
    }
    size_t end = 255;
    while (end > 0 && (uint8_t(name[end]) & 0xC0) == 0x80) {
        --end;
    }
    return name.substr(0, end);
}

}  // namespace

void WriteDefineFont2(BitWriter& out, BitWriter& scratch, const FontDefinition& font)
{
    const size_t count = std::min<size_t>(font.glyphs.size(), 0xFFFF);
    size_t shapesSize = 0;
    for (size_t i = 0; i < count; ++i) {
        shapesSize += font.glyphs[i].shape ? font.glyphs[i].shape->size() : 0;
    }
    const bool wide = (count + 1) * 2 + shapesSize > 0xFFFF;
    const size_t entry = wide ? 4 : 2;
    const size_t tableSize = (count + 1) * entry;

    scratch.Clear();
    scratch.UI16(font.fontId);
    uint8_t flags = 0x80 | 0x04;  // HasLayout, WideCodes
    if (wide) {
        flags |= 0x08;
    }
    scratch.UI8(flags);
    scratch.UI8(0);  // no language
    const std::string name = FontName(font.name);
    scratch.UI8(uint8_t(name.size()));
    scratch.Bytes(reinterpret_cast<const uint8_t*>(name.data()), name.size());
    scratch.UI16(uint16_t(count));

    size_t offset = tableSize;
    auto writeOffset = [&](size_t value) {
        if (wide) {
            scratch.UI32(uint32_t(value));
        } else {
            scratch.UI16(uint16_t(value));
        }
    };
    for (size_t i = 0; i < count; ++i) {
        writeOffset(offset);
        offset += font.glyphs[i].shape ? font.glyphs[i].shape->size() : 0;
    }
    writeOffset(offset);  // CodeTableOffset
    for (size_t i = 0; i < count; ++i) {
        if (font.glyphs[i].shape) {
            scratch.Bytes(*font.glyphs[i].shape);
        }
    }
    for (size_t i = 0; i < count; ++i) {
        scratch.UI16(uint16_t(i + 1));
    }
    scratch.UI16(font.ascent);
    scratch.UI16(font.descent);
    scratch.SI16(0);  // leading
    for (size_t i = 0; i < count; ++i) {
        scratch.SI16(int16_t(std::clamp<int32_t>(font.glyphs[i].advance, -32768, 32767)));
    }
    for (size_t i = 0; i < count; ++i) {
        scratch.UI8(0);  // an empty bounds RECT (Nbits 0)
    }
    scratch.UI16(0);  // no kerning
    WriteTag(out, TagCode::DefineFont2, scratch);
}

}  // namespace glimmora::swf
