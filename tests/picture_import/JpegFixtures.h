#pragma once
// Writes JPEG files for the tests with libjpeg: colour, greyscale or Adobe
// CMYK, baseline or progressive, at a chosen quality.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace glimmora::test {

enum class JpegLayout { Rgb, Grey, AdobeCmyk };

struct JpegSpec {
    int width = 8;
    int height = 8;
    int quality = 90;
    bool progressive = false;
    JpegLayout layout = JpegLayout::Rgb;
    // Colour of pixel (x, y); greyscale files take the red value, CMYK files
    // store the colour as inverted (Adobe) C, M, Y with K = 0 ink.
    std::function<std::array<std::uint8_t, 3>(int x, int y)> colour = [](int, int) {
        return std::array<std::uint8_t, 3>{200, 100, 50};
    };
};

std::vector<std::uint8_t> WriteTestJpeg(const JpegSpec& fixture);

// The first value of the luminance quantisation table of a JPEG file: 8 at
// quality 75, 2 at quality 95 with the library's standard tables.
int LuminanceQuantDc(const std::vector<std::uint8_t>& jpeg);

}  // namespace glimmora::test
