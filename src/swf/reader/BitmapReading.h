#pragma once
// DefineBits (with JPEGTables), DefineBitsJPEG2/3 and DefineBitsLossless 1/2.

#include "swf/reader/BitReader.h"
#include "swf/reader/DecodeContext.h"

namespace glimmora::swf {

// Each reads the tag body after the character id.
Bitmap ReadDefineBits(BitReader& in, DecodeContext& ctx);
Bitmap ReadDefineBitsJpeg2(BitReader& in);
Bitmap ReadDefineBitsJpeg3(BitReader& in, DecodeContext& ctx);
Bitmap ReadDefineBitsLossless(BitReader& in, bool withAlpha, DecodeContext& ctx);

}  // namespace glimmora::swf
