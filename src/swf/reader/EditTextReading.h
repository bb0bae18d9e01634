#pragma once
// DefineEditText.

#include "swf/reader/BitReader.h"
#include "swf/reader/DecodeContext.h"

namespace glimmora::swf {

// The tag body after the character id.
EditText ReadDefineEditText(BitReader& in, DecodeContext& ctx);

}  // namespace glimmora::swf
