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

std::vector<std::uint8_t> BuildBmp(const BmpSpec& spec)
{
    std::vector<std::uint8_t> info;
    Put32(info, spec.headerSize);
    if (spec.headerSize == 12) {
        Put16(info, std::uint32_t(spec.width));
        Put16(info, std::uint32_t(spec.height));
        Put16(info, 1);
        Put16(info, spec.bitCount);
    } else {
        Put32(info, std::uint32_t(spec.width));
        Put32(info, std::uint32_t(spec.height));
        Put16(info, 1);
        Put16(info, spec.bitCount);
        Put32(info, spec.compression);
        Put32(info, 0);  // image size: may be 0 for BI_RGB
        Put32(info, 2835);
        Put32(info, 2835);
        Put32(info, spec.colorsUsed);
        Put32(info, 0);
        if (spec.headerSize > 40)
            for (std::uint32_t m : spec.masks) Put32(info, m);
        info.resize(spec.headerSize, 0);
    }
    if (spec.headerSize == 40 && spec.compression == 3)
        for (std::uint32_t m : spec.masks) Put32(info, m);
    for (const auto& c : spec.palette) {
        info.insert(info.end(), {c[2], c[1], c[0]});
        if (spec.headerSize != 12) info.push_back(0);
    }

    std::vector<std::uint8_t> pixels = spec.raw;
    if (pixels.empty()) {
        for (const auto& row : spec.rows) {
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
