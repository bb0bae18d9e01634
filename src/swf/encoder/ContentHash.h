#pragma once
// A 64-bit FNV-1a hash of file contents, to find equal pictures and sounds.

#include <cstddef>
#include <cstdint>

namespace glimmora::swf {

inline uint64_t HashBytes(const uint8_t* data, size_t size)
{
    uint64_t hash = 1469598103934665603ull;
    for (size_t i = 0; i < size; ++i) {
        hash = (hash ^ data[i]) * 1099511628211ull;
    }
    return hash;
}

}  // namespace glimmora::swf
