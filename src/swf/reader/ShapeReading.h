#pragma once
// DefineShape 1-4: fill and line styles and the shape-record stream, with
// edges made absolute.

#include "swf/reader/BitReader.h"
#include "swf/reader/DecodeContext.h"

namespace glimmora::swf {

// The body of DefineShape (version 1), DefineShape2, 3 or 4, after the id.
Shape ReadShapeBody(BitReader& in, int version, DecodeContext& ctx);

// The flags of a LINESTYLE2 (or MORPHLINESTYLE2), from after its width(s)
// through the miter limit, into `line`; true when a fill style follows.
bool ReadLineStyle2Flags(BitReader& in, LineStyle& line);

// A SHAPE without style arrays (font glyphs, a morph shape's edges): the two bit counts, then the
// records through End (any NewStyles are read in the DefineShape layout).
std::vector<ShapeRecord> ReadGlyphShape(BitReader& in, DecodeContext& ctx);

}  // namespace glimmora::swf
