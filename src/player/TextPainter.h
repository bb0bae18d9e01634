#pragma once
// Draws static text: each record's glyphs from its font's outlines, with the
// font, height, colour and pen carried over from record to record.

#include "player/CharacterCache.h"
#include "swf/reader/DecodedMovie.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <vector>

namespace glimmora::player {

// One glyph as laid out: its outline in font units (owned by the cache), the
// transform from font units to text space (the text's matrix not included),
// and the colour in force.
struct PlacedGlyph {
    const QPainterPath* outline = nullptr;
    QTransform place;
    swf::Rgba color;
};

// The glyphs of a text in drawing order; glyphs without an outline are left out.
std::vector<PlacedGlyph> PlaceGlyphs(CharacterCache& cache, const swf::Text& text);

// One glyph; the painter's world transform maps the text's parent space to the device.
void DrawGlyph(QPainter& painter, const swf::Text& text, const PlacedGlyph& glyph,
               const swf::ColorTransform& cx);

// The painter's world transform maps the text's parent space to the device;
// the text's own matrix is applied here.
void DrawText(QPainter& painter, CharacterCache& cache, const swf::Text& text,
              const swf::ColorTransform& cx);

// All glyph outlines of the text in the text's parent space (for clip layers).
QPainterPath TextGeometry(CharacterCache& cache, const swf::Text& text);

}  // namespace glimmora::player
