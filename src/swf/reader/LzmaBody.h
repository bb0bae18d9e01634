#pragma once
// The body of an LZMA-compressed movie ("ZWS"): after the 8-byte file start
// come the compressed size (UI32), the five bytes of LZMA properties and the
// raw LZMA stream, which may or may not close with an end marker.

#include "swf/reader/Inflate.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace glimmora::swf {

// Compressed size and properties: the bytes between the file start and the stream.
constexpr size_t kLzmaPrefixBytes = 4 + 5;

// Unpacks the movie body from the bytes after the file start. The output
// stops at `bounds.maxBytes` (the declared movie length less 8); a stream
// that ends early keeps what came unless `bounds.requireEnd`. Throws
// DecodeError for unusable properties and damaged data.
std::vector<uint8_t> UnpackLzmaBody(const uint8_t* data, size_t size, const InflateBounds& bounds);

}  // namespace glimmora::swf
