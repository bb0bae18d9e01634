#include "effects/picture/import/BmpDecoder.h"

#include "effects/picture/import/BmpHeader.h"
#include "effects/picture/import/BmpRle.h"

#include <bit>

namespace glimmora {

namespace {

// One colour channel of a 16- or 32-bit pixel, scaled to 0..255.
class MaskChannel {
public:
    explicit MaskChannel(std::uint32_t mask)
        : mask_(mask), shift_(mask ? std::countr_zero(mask) : 0), bits_(mask ? std::bit_width(mask >> shift_) : 0)
    {
    }
    std::uint8_t operator()(std::uint32_t pixel) const
    {
        if (bits_ == 0) return 0;
        const std::uint32_t value = (pixel & mask_) >> shift_;
        if (bits_ >= 8) return std::uint8_t(value >> (bits_ - 8));
        const std::uint32_t top = (1u << bits_) - 1;
        return std::uint8_t((value * 255 + top / 2) / top);
    }

private:
    std::uint32_t mask_;
    int shift_;
    int bits_;
};

void PutIndex(const BmpHeader& h, std::uint8_t* out, std::uint32_t index)
{
    static constexpr std::uint8_t black[3] = {0, 0, 0};
    const std::uint8_t* rgb = index < h.palette.size() ? h.palette[index].data() : black;
    out[0] = rgb[0];
    out[1] = rgb[1];
    out[2] = rgb[2];
}

void DecodeRow(const BmpHeader& h, const std::uint8_t* src, std::uint8_t* out)
{
    const MaskChannel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
    for (std::int64_t x = 0; x < h.width; ++x, out += 3) {
        switch (h.bitCount) {
        case 1: PutIndex(h, out, (src[x / 8] >> (7 - x % 8)) & 1); break;
        case 4: PutIndex(h, out, x % 2 == 0 ? src[x / 2] >> 4 : src[x / 2] & 0x0F); break;
        case 8: PutIndex(h, out, src[x]); break;
        case 24:
            out[0] = src[3 * x + 2];
            out[1] = src[3 * x + 1];
            out[2] = src[3 * x];
            break;
        case 16:
        case 32: {
            const std::uint8_t* p = src + x * (h.bitCount / 8);
            std::uint32_t pixel = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8;
            if (h.bitCount == 32) pixel |= std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
            out[0] = red(pixel);
            out[1] = green(pixel);
            out[2] = blue(pixel);
            break;
        }
        }
    }
}

}  // namespace

RgbImage DecodeBmp(const std::uint8_t* data, std::size_t size)
{
    const BmpHeader h = ParseBmpHeader(data, size);
    RgbImage image = AllocateRgbImage(h.width, h.height);
    const std::uint8_t* pixels = data + h.dataOffset;
    // File row r is picture row r from the top, or from the bottom.
    auto rowOf = [&](std::int64_t r) { return int(h.topDown ? r : h.height - 1 - r); };

    if (h.compression == BmpCompression::Rle8 || h.compression == BmpCompression::Rle4) {
        const auto indices = DecodeBmpRle(pixels, h.dataSize, image.width, image.height,
                                          h.compression == BmpCompression::Rle4);
        for (std::int64_t r = 0; r < h.height; ++r) {
            std::uint8_t* out = image.Row(rowOf(r));
            const std::uint8_t* in = indices.data() + std::size_t(r) * std::size_t(h.width);
            for (std::int64_t x = 0; x < h.width; ++x) PutIndex(h, out + 3 * x, in[x]);
        }
        return image;
    }
    for (std::int64_t r = 0; r < h.height; ++r)
        DecodeRow(h, pixels + std::size_t(r) * std::size_t(h.stride), image.Row(rowOf(r)));
    return image;
}

}  // namespace glimmora
