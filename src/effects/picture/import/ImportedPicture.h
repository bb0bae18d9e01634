#pragma once
// A picture read for import: its colours and, when its format carries one,
// its alpha channel.

#include "effects/picture/import/RgbImage.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace glimmora {

struct ImportedPicture {
    RgbImage colour;
    std::vector<std::uint8_t> alpha;  // one byte per pixel, 255 opaque; empty: no alpha channel

    int Width() const { return colour.width; }
    int Height() const { return colour.height; }
    // Whether any pixel lets the stage show through.
    bool Transparent() const
    {
        return std::any_of(alpha.begin(), alpha.end(), [](std::uint8_t a) { return a != 255; });
    }
};

}  // namespace glimmora
