#include "swf/reader/EditTextReading.h"

#include "swf/reader/RecordReading.h"

namespace glimmora::swf {

EditText ReadDefineEditText(BitReader& in, DecodeContext& ctx) {
    EditText text;
    text.bounds = ReadRect(in);
    const uint8_t first = in.U8(), second = in.U8();
    const bool hasText = first & 0x80, hasColor = first & 0x04, hasMaxLength = first & 0x02, hasFont = first & 0x01;
    text.wordWrap = first & 0x40;
    text.multiline = first & 0x20;
    text.password = first & 0x10;
    text.readOnly = first & 0x08;
    const bool hasFontClass = second & 0x80, hasLayout = second & 0x20;
    text.autoSize = second & 0x40;
    text.noSelect = second & 0x10;
    text.border = second & 0x08;
    text.wasStatic = second & 0x04;
    text.html = second & 0x02;
    text.useOutlines = second & 0x01;
    if (hasFont) text.fontId = in.U16();
    if (hasFontClass) text.fontClass = ReadSwfString(in, ctx.version);
    if (hasFont || hasFontClass) text.fontHeight = in.U16();
    if (hasColor) text.color = ReadRgba(in);
    if (hasMaxLength) text.maxLength = in.U16();
    if (hasLayout) {
        const uint8_t align = in.U8();
        text.align = align <= 3 ? EditText::Align(align) : EditText::Align::Left;
        text.leftMargin = in.U16();
        text.rightMargin = in.U16();
        text.indent = in.U16();
        text.leading = in.S16();
    }
    text.variableName = ReadSwfString(in, ctx.version);
    if (hasText) text.initialText = ReadSwfString(in, ctx.version);
    return text;
}

}  // namespace glimmora::swf
