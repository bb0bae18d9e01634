#pragma once
// Making the JPEG data of SWF bitmap tags decodable by ordinary decoders:
// gluing JPEGTables to DefineBits data, removing the stray EOI+SOI pairs old
// encoders left before the frame header, and adding a missing EOI.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace glimmora::swf {

// The tables without their trailing EOI, then the image without its SOI.
// No tables (or fewer than 2 bytes of them): the image as it stands.
std::vector<uint8_t> GlueJpegTables(const std::vector<uint8_t>& tables, const uint8_t* image, size_t size);

// Removes every FF D9 FF D8 before the first SOF0 marker and appends FF D9
// when the data does not end with it. Data that is not a JPEG is left alone.
void CleanJpeg(std::vector<uint8_t>& jpeg);

bool LooksLikeJpeg(const std::vector<uint8_t>& data);

// Width and height from the frame header of a JPEG, or zeros.
struct JpegSize {
    uint16_t width = 0, height = 0;
};
JpegSize ReadJpegSize(const std::vector<uint8_t>& jpeg);

}  // namespace glimmora::swf
