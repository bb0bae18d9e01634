#pragma once
// Reads a PNG file (any colour type and depth) into 8-bit RGBA pixels with
// libpng, after checking its size. Failures throw SwfError naming the file.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace glimmora::swf {

struct RgbaPixels {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;  // R, G, B, A per pixel, not premultiplied, rows from the top
};

// The largest PNG taken: a bitmap tag holds at most 65535 pixels a side, and
// the pixels are held whole while the movie is written.
inline constexpr int kMaxPngSide = 65535;
inline constexpr int64_t kMaxPngPixels = int64_t(16) << 20;

RgbaPixels InspectPng(const uint8_t* data, size_t size, const std::string& fileName);

}  // namespace glimmora::swf
