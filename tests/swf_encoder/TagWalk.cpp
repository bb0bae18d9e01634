#include "TagWalk.h"

#include <stdexcept>

namespace glimmora::test {

std::vector<TagSpan> WalkTags(const std::vector<uint8_t>& file)
{
    if (file.size() < 9) {
        throw std::runtime_error("too short for an SWF header");
    }
    const int nbits = file[8] >> 3;
    size_t at = 8 + (5 + 4 * size_t(nbits) + 7) / 8 + 4;
    std::vector<TagSpan> tags;
    while (at + 2 <= file.size()) {
        const uint16_t word = uint16_t(file[at] | file[at + 1] << 8);
        TagSpan tag;
        tag.code = word >> 6;
        tag.length = word & 0x3F;
        at += 2;
        if (tag.length == 0x3F) {
            if (at + 4 > file.size()) {
                throw std::runtime_error("truncated long tag header");
            }
            tag.length = uint32_t(file[at]) | uint32_t(file[at + 1]) << 8 |
                         uint32_t(file[at + 2]) << 16 | uint32_t(file[at + 3]) << 24;
            tag.longHeader = true;
            at += 4;
        }
        tag.body = at;
        if (at + tag.length > file.size()) {
            throw std::runtime_error("truncated tag body");
        }
        at += tag.length;
        tags.push_back(tag);
        if (tag.code == 0) {
            break;
        }
    }
    return tags;
}

size_t CountTags(const std::vector<TagSpan>& tags, uint16_t code)
{
    size_t count = 0;
    for (const TagSpan& tag : tags) {
        count += tag.code == code ? 1 : 0;
    }
    return count;
}

}  // namespace glimmora::test
