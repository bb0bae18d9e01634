#pragma once
// DefineText and DefineText2.

#include "swf/reader/BitReader.h"
#include "swf/reader/DecodeContext.h"

namespace glimmora::swf {

// The tag body after the character id; `version` 1 or 2.
Text ReadDefineText(BitReader& in, int version, DecodeContext& ctx);

}  // namespace glimmora::swf
