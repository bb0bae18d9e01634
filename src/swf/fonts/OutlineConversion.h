#pragma once
// Turning a FreeType glyph outline (font units, y up) into a GlyphOutline
// (1024-unit em, y down, quadratic segments, every contour closed).

#include "swf/fonts/GlyphOutline.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

namespace glimmora::swf {

// `scale` converts font units to 1024ths of an em (1024 / units per em).
// Cubic segments become quadratics within a fraction of a unit.
GlyphOutline ConvertOutline(const FT_Outline& outline, double scale);

}  // namespace glimmora::swf
