#pragma once
// Test movies decoded from their bytes, and the message a damaged one gives.

#include "support/SwfBytes.h"
#include "swf/reader/DecodedMovie.h"

#include <string>

namespace glimmora::test {

inline swf::DecodedMovie Decode(const ByteVector& file) { return swf::DecodeMovie(file.data(), file.size()); }

// The DecodeError's message, or nothing when the movie reads.
inline std::string ErrorOfDecoding(const ByteVector& file) {
    try {
        Decode(file);
    } catch (const swf::DecodeError& e) {
        return e.what();
    }
    return {};
}

}  // namespace glimmora::test
