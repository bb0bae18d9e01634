#pragma once
// Draws static text: each record's glyphs from its font's outlines, with the
// font, height, colour and pen carried over from record to record.

#include "player/CharacterCache.h"
#include "swf/reader/DecodedMovie.h"

#include <QPainter>
#include <QPainterPath>

namespace glimmora::player {

// The painter's world transform maps the text's parent space to the device;
// the text's own matrix is applied here.
void DrawText(QPainter& painter, CharacterCache& cache, const swf::Text& text,
              const swf::ColorTransform& cx);

// All glyph outlines of the text in the text's parent space (for clip layers).
QPainterPath TextGeometry(CharacterCache& cache, const swf::Text& text);

}  // namespace glimmora::player
