#pragma once
// Splits an uncompressed SWF file into its tags by their headers only, so
// that byte-level tests can count and look at tags without a full decoder.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace glimmora::test {

struct TagSpan {
    uint16_t code = 0;
    uint32_t length = 0;
    size_t body = 0;  // offset of the body in the file
    bool longHeader = false;
};

std::vector<TagSpan> WalkTags(const std::vector<uint8_t>& file);
size_t CountTags(const std::vector<TagSpan>& tags, uint16_t code);

}  // namespace glimmora::test
