#pragma once
// A font glyph as the SHAPE record of DefineFont2: one fill style (the text
// colour) on the left of every edge, no line styles, every contour closed.

#include "swf/fonts/GlyphOutline.h"
#include "swf/format/Records.h"

#include <cstdint>
#include <vector>

namespace glimmora::swf {

std::vector<uint8_t> EncodeGlyphShape(const GlyphOutline& outline);

// The box around all points of the outline (control points included);
// an empty outline gives an empty rectangle.
Rect OutlineBounds(const GlyphOutline& outline);

}  // namespace glimmora::swf
