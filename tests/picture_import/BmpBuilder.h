#pragma once
// Builds the bytes of small BMP files for the tests: the file header, an
// information header of the chosen size, masks, palette and pixel rows.

#include <array>
#include <cstdint>
#include <vector>

namespace glimmora::test {

struct BmpSpec {
    std::uint32_t headerSize = 40;  // 12 (OS/2 core), 40, 52, 56, 108 (V4), 124 (V5)
    std::int32_t width = 0;
    std::int32_t height = 0;  // negative: rows from the top
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;  // 0 BI_RGB, 1 RLE8, 2 RLE4, 3 BI_BITFIELDS
    std::uint32_t colorsUsed = 0;
    std::vector<std::array<std::uint8_t, 3>> palette{};  // red, green, blue
    // Red, green, blue masks: after a 40-byte header for BI_BITFIELDS, inside larger headers.
    std::vector<std::uint32_t> masks{};
    // Pixel rows in file order, without padding; each is padded to 4 bytes.
    std::vector<std::vector<std::uint8_t>> rows{};
    // Pixel data taken as it is instead of `rows` (run-length codes).
    std::vector<std::uint8_t> raw{};
};

std::vector<std::uint8_t> BuildBmp(const BmpSpec& fixture);

// A 24-bit bottom-up BMP whose pixel (x, y) from the top-left is colour(x, y).
template <typename Colour>
std::vector<std::uint8_t> BuildBmp24(int width, int height, Colour colour)
{
    BmpSpec fixture;
    fixture.width = width;
    fixture.height = height;
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row;
        for (int x = 0; x < width; ++x) {
            const std::array<std::uint8_t, 3> rgb = colour(x, y);
            row.insert(row.end(), {rgb[2], rgb[1], rgb[0]});
        }
        fixture.rows.push_back(std::move(row));
    }
    return BuildBmp(fixture);
}

}  // namespace glimmora::test
