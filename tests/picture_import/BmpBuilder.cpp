#include "BmpBuilder.h"

namespace glimmora::test {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> BuildBmp(const BmpSpec& fixture)
{
    std::vector<std::uint8_t> info;
    Put32(info, fixture.headerSize);
    if (fixture.headerSize == 12) {
        Put16(info, std::uint32_t(fixture.width));
        Put16(info, std::uint32_t(fixture.height));
        Put16(info, 1);
        Put16(info, fixture.bitCount);
    } else {
        Put32(info, std::uint32_t(fixture.width));
        Put32(info, std::uint32_t(fixture.height));
        Put16(info, 1);
        Put16(info, fixture.bitCount);
        Put32(info, fixture.compression);
        Put32(info, 0);  // image size: may be 0 for BI_RGB
        Put32(info, 2835);
        Put32(info, 2835);
        Put32(info, fixture.colorsUsed);
        Put32(info, 0);
        if (fixture.headerSize > 40)
            for (std::uint32_t m : fixture.masks) Put32(info, m);
        info.resize(fixture.headerSize, 0);
    }
    if (fixture.headerSize == 40 && fixture.compression == 3)
        for (std::uint32_t m : fixture.masks) Put32(info, m);
    for (const auto& c : fixture.palette) {
        info.insert(info.end(), {c[2], c[1], c[0]});
        if (fixture.headerSize != 12) info.push_back(0);
    }

    std::vector<std::uint8_t> pixels = fixture.raw;
    if (pixels.empty()) {
        for (const auto& row : fixture.rows) {
            pixels.insert(pixels.end(), row.begin(), row.end());
            pixels.resize(pixels.size() + (4 - row.size() % 4) % 4, 0);
        }
    }

    std::vector<std::uint8_t> file{'B', 'M'};
    const std::uint32_t offset = std::uint32_t(14 + info.size());
    Put32(file, std::uint32_t(offset + pixels.size()));
    Put32(file, 0);
    Put32(file, offset);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

}  // namespace glimmora::test
