#pragma once
// The letter table of the letter-by-letter text effects: one entry per
// character with its advance width and its advance position.

#include "swf/SwfService.h"

#include <string>
#include <vector>

namespace glimmora {

struct TTextUnit {
    std::u32string Glyph;  // one character of the content
    int Width = 0;         // advance width in 1024ths of an em
    int Left = 0;          // sum of the widths of the characters before it
};

struct TLetterTable {
    std::vector<TTextUnit> Units;
    long long TotalWidth = 0;
};

// Gives letter i the glyph code i + 1 on the font holder (AddGlyph) and
// measures it (GetTextWidth), in order.
TLetterTable LayoutLetters(swfObject& fontHolder, const std::string& fontName, const std::u32string& content);

}  // namespace glimmora
