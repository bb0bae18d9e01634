#pragma once
// The SWF file header: signature, version, length, then (in the possibly
// compressed part) the stage rectangle, frame rate and frame count.

#include "swf/reader/BitReader.h"

namespace glimmora::swf {

// The first 8 bytes; throws DecodeError unless the signature is FWS, CWS (zlib) or ZWS (LZMA).
Header ReadFileStart(const uint8_t* data, size_t size);

// The rest of the header from the start of the uncompressed part, checked
// against the limits (a stage too large or inside out is an error).
void ReadHeaderRest(BitReader& in, Header& header, const DecodeLimits& limits);

}  // namespace glimmora::swf
