#pragma once
// State shared by the tag readers while one movie is decoded: the file
// version, the limits, the JPEG tables and a count of decoded records that
// keeps the model's memory in proportion to what the limits allow.

#include "swf/reader/DecodedMovie.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace glimmora::swf {

struct DecodeContext {
    DecodeLimits limits;
    uint8_t version = 0;
    std::vector<uint8_t> jpegTables;
    size_t records = 0;
    std::array<uint32_t, 1024> tagCounts{};  // by tag code (10 bits)

    // Accounts for `count` more decoded records (shape records, styles,
    // display operations, frames, glyphs).
    void CountRecords(size_t count = 1) {
        records += count;
        if (records > limits.maxRecords) {
            throw DecodeError("the movie holds more than " + std::to_string(limits.maxRecords) + " records");
        }
    }
};

}  // namespace glimmora::swf
