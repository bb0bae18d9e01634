#include "effects/picture/import/BmpRle.h"

#include "effects/picture/import/PictureError.h"

#include <algorithm>
#include <utility>

namespace glimmora {

namespace {

class IndexGrid {
public:
    IndexGrid(int width, int height)
        : width_(width), height_(height), cells_(std::size_t(width) * std::size_t(height), 0)
    {
    }
    void Put(std::int64_t x, std::int64_t y, std::uint8_t index)
    {
        if (x >= 0 && x < width_ && y >= 0 && y < height_) cells_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = index;
    }
    bool Complete(std::int64_t y) const { return y >= height_; }
    std::vector<std::uint8_t> Take() { return std::move(cells_); }

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> cells_;
};

// The n-th index of a run: alternating nibbles (high first) for RLE4, the byte for RLE8.
std::uint8_t Nibble(std::uint8_t byte, std::size_t n) { return n % 2 == 0 ? byte >> 4 : byte & 0x0F; }

}  // namespace

std::vector<std::uint8_t> DecodeBmpRle(const std::uint8_t* codes, std::size_t size, int width, int height,
                                       bool fourBit)
{
    IndexGrid grid(width, height);
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::size_t i = 0;
    for (;;) {
        if (size - i < 2) {
            // Some writers stop after the last row without the end mark.
            if (grid.Complete(y)) return grid.Take();
            throw PictureError("the BMP file is truncated: its run-length data ends before the picture does");
        }
        const std::uint8_t count = codes[i];
        const std::uint8_t value = codes[i + 1];
        i += 2;
        if (count > 0) {  // a run of `count` pixels
            const std::int64_t visible = x < width ? std::min<std::int64_t>(count, width - x) : 0;
            for (std::int64_t n = 0; n < visible; ++n)
                grid.Put(x + n, y, fourBit ? Nibble(value, std::size_t(n)) : value);
            x += count;
        } else if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of bitmap
            return grid.Take();
        } else if (value == 2) {  // delta: move right and down
            if (size - i < 2) throw PictureError("the BMP file is truncated inside a run-length delta");
            x += codes[i];
            y += codes[i + 1];
            i += 2;
        } else {  // absolute: `value` indices follow, padded to an even byte count
            const std::size_t bytes = fourBit ? (std::size_t(value) + 1) / 2 : value;
            if (size - i < bytes) throw PictureError("the BMP file is truncated inside a run-length block");
            for (std::size_t n = 0; n < value; ++n)
                grid.Put(x + std::int64_t(n), y, fourBit ? Nibble(codes[i + n / 2], n) : codes[i + n]);
            x += value;
            i += std::min(size - i, bytes + bytes % 2);
        }
    }
}

}  // namespace glimmora
