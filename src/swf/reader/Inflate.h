#pragma once
// zlib inflation with a hard bound on the output, so that a small stream
// that expands without end (a "zlib bomb") costs bounded memory.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace glimmora::swf {

struct InflateBounds {
    size_t maxBytes = 0;          // never produce more than this
    bool overflowIsError = true;  // more output than maxBytes: DecodeError, else stop there
    bool requireEnd = true;       // a stream without its end: DecodeError, else keep what came
};

// Throws DecodeError for damaged data and as the bounds say; `what` names
// the data in messages ("compressed movie", "bitmap data").
std::vector<uint8_t> Inflate(const uint8_t* data, size_t size, const InflateBounds& bounds, const char* what);

}  // namespace glimmora::swf
