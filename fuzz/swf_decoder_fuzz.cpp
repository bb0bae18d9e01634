// libFuzzer target: decodes arbitrary bytes as a movie and replays its last
// frame's display list, and counts its records as the writer's check does;
// then reads them as the preview reads a movie of our writer (operations
// left in their tags, definitions shared with the movie read before) and
// replays that. Any outcome but a DecodeError is a finding.

#include "swf/reader/DecodedMovie.h"
#include "swf/reader/RecordCount.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    glimmora::swf::DecodeLimits limits;
    limits.maxInflatedBytes = 32u << 20;  // keeps each run within the fuzzer's memory limit
    limits.maxRecords = 1u << 20;
    try {
        glimmora::swf::DecodedMovie movie = glimmora::swf::DecodeMovie(data, size, limits);
        if (movie.FrameCount() > 0) movie.DisplayListAt(movie.FrameCount() - 1);
    } catch (const glimmora::swf::DecodeError&) {
    }
    try {
        glimmora::swf::CountDecodedRecords(data, size);
    } catch (const glimmora::swf::DecodeError&) {
    }
    try {
        const auto bytes = std::make_shared<const std::vector<uint8_t>>(data, data + size);
        const glimmora::swf::DecodedMovie first = glimmora::swf::DecodeWrittenMovie(bytes, limits);
        const glimmora::swf::DecodedMovie again = glimmora::swf::DecodeWrittenMovie(bytes, limits, &first);
        if (again.FrameCount() > 0) again.DisplayListAt(again.FrameCount() - 1);
    } catch (const glimmora::swf::DecodeError&) {
    }
    return 0;
}
