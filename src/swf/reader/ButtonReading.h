#pragma once
// DefineButton and DefineButton2: their character records (their actions are
// not read).

#include "swf/reader/BitReader.h"
#include "swf/reader/DecodeContext.h"

namespace glimmora::swf {

// The tag body after the button's id; `version` 1 or 2.
Button ReadDefineButton(BitReader& in, int version, DecodeContext& ctx);

}  // namespace glimmora::swf
