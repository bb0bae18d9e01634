#include "effects/text/TextUnit.h"

namespace glimmora {

TLetterTable LayoutLetters(swfObject& fontHolder, const std::string& fontName, const std::u32string& content)
{
    TLetterTable table;
    table.Units.resize(content.size());
    for (size_t i = 0; i < content.size(); ++i) table.Units[i].Glyph = std::u32string(1, content[i]);
    table.TotalWidth = 0;
    for (size_t i = 0; i < table.Units.size(); ++i) {
        TTextUnit& unit = table.Units[i];
        fontHolder.AddGlyph(fontName, unit.Glyph, static_cast<int>(i) + 1);
        unit.Width = fontHolder.GetTextWidth(fontName, unit.Glyph);
        unit.Left = i == 0 ? 0 : table.Units[i - 1].Left + table.Units[i - 1].Width;
        table.TotalWidth += unit.Width;
    }
    return table;
}

}  // namespace glimmora
