#pragma once
// The headers of a BMP file: the file header, then one of the information
// headers (the old OS/2 core header of 12 bytes, the Windows header of 40
// bytes and its extensions up to V5, or the OS/2 2.x header), the bit masks
// and the palette. Every size and offset is checked against the file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace glimmora {

enum class BmpCompression { None, Rle8, Rle4, BitFields };

struct BmpHeader {
    std::int64_t width = 0;
    std::int64_t height = 0;  // always positive; see topDown
    bool topDown = false;     // rows stored from the top (negative height in the file)
    int bitCount = 0;         // 1, 4, 8, 16, 24 or 32
    BmpCompression compression = BmpCompression::None;
    // Red, green and blue masks of 16- and 32-bit pixels (defaults for BI_RGB).
    std::array<std::uint32_t, 3> masks{};
    // Colours of the indexed formats (1, 4 and 8 bits), as red, green, blue.
    std::vector<std::array<std::uint8_t, 3>> palette;
    // Where the pixel data starts and how many bytes of it the file holds.
    std::size_t dataOffset = 0;
    std::size_t dataSize = 0;
    // Bytes per stored row, padded to four bytes (uncompressed formats).
    std::uint64_t stride = 0;
};

// Throws PictureError with the problem when the headers are not a BMP this
// decoder reads, or describe more pixel data than the file holds.
BmpHeader ParseBmpHeader(const std::uint8_t* data, std::size_t size);

}  // namespace glimmora
