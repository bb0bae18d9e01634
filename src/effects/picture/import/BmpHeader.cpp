#include "effects/picture/import/BmpHeader.h"

#include "effects/picture/import/PictureError.h"
#include "effects/picture/import/RgbImage.h"

#include <algorithm>
#include <string>

namespace glimmora {

namespace {

constexpr std::size_t kFileHeaderSize = 14;

// Bounds-checked little-endian reads of the headers.
class HeaderReader {
public:
    HeaderReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint32_t U8(std::size_t at) const
    {
        Need(at, 1);
        return data_[at];
    }
    std::uint32_t U16(std::size_t at) const
    {
        Need(at, 2);
        return std::uint32_t(data_[at]) | std::uint32_t(data_[at + 1]) << 8;
    }
    std::uint32_t U32(std::size_t at) const
    {
        Need(at, 4);
        return std::uint32_t(data_[at]) | std::uint32_t(data_[at + 1]) << 8 | std::uint32_t(data_[at + 2]) << 16 |
               std::uint32_t(data_[at + 3]) << 24;
    }
    std::int32_t I32(std::size_t at) const { return std::int32_t(U32(at)); }
    std::size_t Size() const { return size_; }

private:
    void Need(std::size_t at, std::size_t n) const
    {
        if (at > size_ || n > size_ - at) throw PictureError("the BMP file is truncated inside its headers");
    }
    const std::uint8_t* data_;
    std::size_t size_;
};

bool KnownHeaderSize(std::uint32_t size)
{
    return size == 12 || size == 16 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 ||
           size == 124;
}

bool SupportedBits(BmpCompression compression, int bits, bool coreHeader)
{
    switch (compression) {
    case BmpCompression::None:
        return bits == 1 || bits == 4 || bits == 8 || bits == 24 || (!coreHeader && (bits == 16 || bits == 32));
    case BmpCompression::Rle8: return bits == 8;
    case BmpCompression::Rle4: return bits == 4;
    case BmpCompression::BitFields: return bits == 16 || bits == 32;
    }
    return false;
}

void ReadPalette(const HeaderReader& in, BmpHeader& h, std::size_t start, std::size_t entrySize,
                 std::uint32_t colorsUsed)
{
    const std::size_t full = std::size_t(1) << h.bitCount;
    std::size_t count = (colorsUsed > 0 && colorsUsed < full) ? colorsUsed : full;
    // Writers that store a shorter palette say so through the data offset.
    if (h.dataOffset > start) count = std::min(count, (h.dataOffset - start) / entrySize);
    if (count == 0) throw PictureError("the BMP file has no palette for its " + std::to_string(h.bitCount) + "-bit pixels");
    if (start > in.Size() || count > (in.Size() - start) / entrySize)
        throw PictureError("the BMP file is truncated inside its palette");
    h.palette.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = start + i * entrySize;
        h.palette[i] = {std::uint8_t(in.U8(at + 2)), std::uint8_t(in.U8(at + 1)), std::uint8_t(in.U8(at))};
    }
}

}  // namespace

BmpHeader ParseBmpHeader(const std::uint8_t* data, std::size_t size)
{
    const HeaderReader in(data, size);
    if (size < 2 || data[0] != 'B' || data[1] != 'M') throw PictureError("not a BMP file (it does not start with \"BM\")");
    const std::uint32_t offBits = in.U32(10);
    const std::uint32_t infoSize = in.U32(kFileHeaderSize);
    if (!KnownHeaderSize(infoSize)) throw PictureError("unknown BMP header size " + std::to_string(infoSize));
    if (kFileHeaderSize + infoSize > size) throw PictureError("the BMP file is truncated inside its headers");

    BmpHeader h;
    const std::size_t info = kFileHeaderSize;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::uint32_t colorsUsed = 0;
    if (infoSize == 12) {  // OS/2 core header: 16-bit sizes, rows always from the bottom
        h.width = in.U16(info + 4);
        h.height = in.U16(info + 6);
        h.bitCount = int(in.U16(info + 10));
    } else {
        h.width = in.I32(info + 4);
        const std::int64_t height = in.I32(info + 8);
        h.topDown = height < 0;
        h.height = height < 0 ? -height : height;
        h.bitCount = int(in.U16(info + 14));
        if (infoSize >= 20) compression = in.U32(info + 16);
        if (infoSize >= 24) sizeImage = in.U32(info + 20);
        if (infoSize >= 36) colorsUsed = in.U32(info + 32);
    }
    CheckPictureDimensions(h.width, h.height);

    const bool os2 = infoSize == 12 || infoSize == 16 || infoSize == 64;
    std::size_t afterHeader = info + infoSize;
    switch (compression) {
    case 0: h.compression = BmpCompression::None; break;
    case 1: h.compression = BmpCompression::Rle8; break;
    case 2: h.compression = BmpCompression::Rle4; break;
    case 3:
    case 6:
        if (os2) throw PictureError("OS/2 Huffman-compressed BMP files are not supported");
        h.compression = BmpCompression::BitFields;
        if (infoSize >= 52) {
            h.masks = {in.U32(info + 40), in.U32(info + 44), in.U32(info + 48)};
        } else {  // the masks follow the 40-byte header: three, or four with alpha
            h.masks = {in.U32(afterHeader), in.U32(afterHeader + 4), in.U32(afterHeader + 8)};
            afterHeader += compression == 6 ? 16 : 12;
        }
        break;
    case 4:
    case 5:
        throw PictureError(os2 ? "OS/2 RLE24-compressed BMP files are not supported"
                               : "BMP files holding JPEG or PNG data are not supported");
    default: throw PictureError("unknown BMP compression " + std::to_string(compression));
    }

    const int bits = h.bitCount;
    const bool valid = SupportedBits(h.compression, bits, infoSize == 12);
    if (!valid) throw PictureError("unsupported BMP pixel format: " + std::to_string(bits) + " bits per pixel");
    if (h.compression == BmpCompression::None && bits == 16) h.masks = {0x7C00, 0x03E0, 0x001F};
    if (h.compression == BmpCompression::None && bits == 32) h.masks = {0xFF0000, 0x00FF00, 0x0000FF};
    if (h.compression == BmpCompression::BitFields && (h.masks[0] | h.masks[1] | h.masks[2]) == 0)
        throw PictureError("the BMP file's colour masks are empty");

    if (offBits < afterHeader || offBits >= size)
        throw PictureError("the BMP file's pixel data offset " + std::to_string(offBits) + " lies outside the pixel data");
    h.dataOffset = offBits;
    h.dataSize = size - offBits;
    if (bits <= 8) ReadPalette(in, h, afterHeader, infoSize == 12 ? 3 : 4, colorsUsed);

    if (h.compression == BmpCompression::Rle8 || h.compression == BmpCompression::Rle4) {
        if (sizeImage > 0 && sizeImage < h.dataSize) h.dataSize = sizeImage;
        return h;
    }
    h.stride = (std::uint64_t(h.width) * std::uint64_t(bits) + 31) / 32 * 4;
    // The last row may come without its padding.
    const std::uint64_t lastRow = (std::uint64_t(h.width) * std::uint64_t(bits) + 7) / 8;
    const std::uint64_t needed = h.stride * std::uint64_t(h.height - 1) + lastRow;
    if (needed > h.dataSize)
        throw PictureError("the BMP file is truncated: its pixels need " + std::to_string(needed) + " bytes, " +
                           std::to_string(h.dataSize) + " are present");
    return h;
}

}  // namespace glimmora
