#pragma once
// DefineMorphShape and DefineMorphShape2: the paired fill and line styles and
// the start and end edges.

#include "swf/reader/BitReader.h"
#include "swf/reader/DecodeContext.h"

namespace glimmora::swf {

// The tag body after the id; `version` 1 (DefineMorphShape) or 2.
MorphShape ReadDefineMorphShape(BitReader& in, int version, DecodeContext& ctx);

}  // namespace glimmora::swf
