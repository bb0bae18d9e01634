#include "swf/reader/JpegCleanup.h"

namespace glimmora::swf {
namespace {

bool IsEoiSoi(const std::vector<uint8_t>& d, size_t at) {
    return at + 4 <= d.size() && d[at] == 0xFF && d[at + 1] == 0xD9 && d[at + 2] == 0xFF && d[at + 3] == 0xD8;
}

// Markers without a length field.
bool IsStandalone(uint8_t marker) {
    return marker == 0xD8 || marker == 0xD9 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

bool IsFrameHeader(uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

}  // namespace

bool LooksLikeJpeg(const std::vector<uint8_t>& data) {
    return data.size() >= 2 && data[0] == 0xFF && (data[1] == 0xD8 || data[1] == 0xD9);
}

std::vector<uint8_t> GlueJpegTables(const std::vector<uint8_t>& tables, const uint8_t* image, size_t size) {
    // An image that itself starts with the stray pair loses it first.
    if (size >= 4 && image[0] == 0xFF && image[1] == 0xD9 && image[2] == 0xFF && image[3] == 0xD8) {
        image += 4;
        size -= 4;
    }
    if (tables.size() < 2) return std::vector<uint8_t>(image, image + size);
    std::vector<uint8_t> out(tables.begin(), tables.end() - 2);
    if (size >= 2) out.insert(out.end(), image + 2, image + size);
    return out;
}

void CleanJpeg(std::vector<uint8_t>& jpeg) {
    if (!LooksLikeJpeg(jpeg)) return;
    size_t pos = 0;
    while (pos + 4 <= jpeg.size()) {
        if (IsEoiSoi(jpeg, pos)) {
            jpeg.erase(jpeg.begin() + long(pos), jpeg.begin() + long(pos) + 4);
            continue;
        }
        if (jpeg[pos] != 0xFF) break;  // not at a marker: stop looking
        uint8_t marker = jpeg[pos + 1];
        if (marker == 0xFF) {  // fill byte
            ++pos;
            continue;
        }
        if (marker == 0xC0) break;
        if (IsStandalone(marker)) {
            pos += 2;
            continue;
        }
        size_t length = size_t(jpeg[pos + 2]) << 8 | jpeg[pos + 3];
        pos += 2 + length;
    }
    size_t n = jpeg.size();
    if (n < 2 || jpeg[n - 2] != 0xFF || jpeg[n - 1] != 0xD9) {
        jpeg.push_back(0xFF);
        jpeg.push_back(0xD9);
    }
}

JpegSize ReadJpegSize(const std::vector<uint8_t>& jpeg) {
    size_t pos = 0;
    while (pos + 4 <= jpeg.size()) {
        if (jpeg[pos] != 0xFF) return {};
        uint8_t marker = jpeg[pos + 1];
        if (marker == 0xFF) {
            ++pos;
            continue;
        }
        if (IsStandalone(marker)) {
            pos += 2;
            continue;
        }
        size_t length = size_t(jpeg[pos + 2]) << 8 | jpeg[pos + 3];
        if (IsFrameHeader(marker)) {
            if (pos + 9 > jpeg.size()) return {};
            JpegSize size;
            size.height = uint16_t(jpeg[pos + 5] << 8 | jpeg[pos + 6]);
            size.width = uint16_t(jpeg[pos + 7] << 8 | jpeg[pos + 8]);
            return size;
        }
        pos += 2 + length;
    }
    return {};
}

}  // namespace glimmora::swf
