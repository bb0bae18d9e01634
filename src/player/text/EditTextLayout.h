#pragma once
// Lays out a text field's initial text as players do: a 2 px gutter inside
// its bounds, then the margins; the first line of each paragraph indented;
// lines as high as their tallest font plus the field's leading; words
// wrapped at the width when the field wraps; each line aligned left, right,
// centred or justified. The result is ink in field space (twips), clipped to
// the field's box unless the field sizes itself to its text.

#include "player/CharacterCache.h"
#include "swf/reader/DecodedMovie.h"

#include <QPainterPath>
#include <QRectF>

#include <vector>

namespace glimmora::player {

// Glyphs (and underlines) of one colour, filled in order.
struct TextInk {
    QPainterPath path;
    swf::Rgba color;
};

struct EditTextLayout {
    QRectF box;           // background and border; the text is clipped to it
    bool framed = false;  // a white background inside a black border
    std::vector<TextInk> inks;
    QRectF textBounds;    // where the laid-out lines reach, before clipping
};

EditTextLayout LayOutEditText(CharacterCache& cache, const swf::EditText& field);

}  // namespace glimmora::player
