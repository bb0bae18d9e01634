#pragma once
// DefineFont, DefineFontInfo/DefineFontInfo2 and DefineFont2/DefineFont3.

#include "swf/reader/BitReader.h"
#include "swf/reader/DecodeContext.h"

namespace glimmora::swf {

// Each reads the tag body after the font id.
Font ReadDefineFont(BitReader& in, DecodeContext& ctx);
// `version` 2 or 3 (DefineFont2, DefineFont3).
Font ReadDefineFont2(BitReader& in, int version, DecodeContext& ctx);
// Adds the name and character codes of DefineFontInfo (`info2` false) or
// DefineFontInfo2 to `font`.
void ReadDefineFontInfo(BitReader& in, bool info2, Font& font, DecodeContext& ctx);

}  // namespace glimmora::swf
