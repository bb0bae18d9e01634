#pragma once
// Tag framing: the short header (code << 6 | length) for bodies under 63
// bytes, the long header (length 0x3F, then a UI32) otherwise or on request.

#include "swf/format/Records.h"
#include "swf/writer/BitWriter.h"

#include <cstdint>

namespace glimmora::swf {

void WriteTagHeader(BitWriter& out, TagCode code, uint32_t length, bool forceLong = false);

// The header and then the body, which must be byte-aligned.
void WriteTag(BitWriter& out, TagCode code, const BitWriter& body, bool forceLong = false);

// An empty tag (ShowFrame, End).
inline void WriteEmptyTag(BitWriter& out, TagCode code) { WriteTagHeader(out, code, 0); }

}  // namespace glimmora::swf
