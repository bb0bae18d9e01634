// Damaged, truncated, hostile and mislabelled BMP data: always a PictureError
// with a message, never a crash or a huge allocation.

#include "BmpBuilder.h"
#include "effects/picture/import/BmpDecoder.h"
#include "effects/picture/import/PictureError.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace glimmora::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Good24()
{
    return BuildBmp24(3, 2, [](int x, int y) { return std::array<std::uint8_t, 3>{std::uint8_t(x), std::uint8_t(y), 7}; });
}

Bytes With(Bytes b, size_t at, std::vector<std::uint8_t> patch)
{
    if (b.size() < at + patch.size()) b.resize(at + patch.size());
    std::copy(patch.begin(), patch.end(), b.begin() + std::ptrdiff_t(at));
    return b;
}

Bytes Cut(Bytes b, size_t size)
{
    b.resize(size);
    return b;
}

Bytes Le32(std::uint32_t v) { return {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)}; }

struct DamageCase {
    const char* name;
    std::function<Bytes()> make;
    const char* messagePart;  // a piece of the expected message
};

std::vector<DamageCase> Cases()
{
    return {
        {"Empty", [] { return Bytes{}; }, "not a BMP"},
        {"OnlySignature", [] { return Bytes{'B', 'M'}; }, "truncated"},
        {"JpegBytes", [] { return Bytes{0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F'}; }, "not a BMP"},
        {"Text", [] { return Bytes{'h', 'e', 'l', 'l', 'o'}; }, "not a BMP"},
        {"CutInFileHeader", [] { return Cut(Good24(), 12); }, "truncated"},
        {"CutInInfoHeader", [] { return Cut(Good24(), 30); }, "truncated"},
        {"CutInPixels", [] { return Cut(Good24(), 54 + 13); }, "truncated"},
        {"HeaderSizeZero", [] { return With(Good24(), 14, Le32(0)); }, "header size"},
        {"HeaderSizeHuge", [] { return With(Good24(), 14, Le32(0xFFFFFFF0u)); }, "header size"},
        {"WidthZero", [] { return With(Good24(), 18, Le32(0)); }, "no pixels"},
        {"WidthNegative", [] { return With(Good24(), 18, Le32(0xFFFFFFFFu)); }, "no pixels"},
        {"HeightZero", [] { return With(Good24(), 22, Le32(0)); }, "no pixels"},
        {"HeightMostNegative", [] { return With(Good24(), 22, Le32(0x80000000u)); }, "too large"},
        {"WiderThanTheLimit", [] { return With(Good24(), 18, Le32(40000)); }, "too large"},
        {"MoreBytesThanTheLimit", [] { return With(With(Good24(), 18, Le32(20000)), 22, Le32(20000)); }, "too large"},
        {"ManyPixelsFewBytes", [] { return With(With(Good24(), 18, Le32(5000)), 22, Le32(5000)); }, "truncated"},
        {"OddBitCount", [] { return With(Good24(), 28, {7, 0}); }, "bits per pixel"},
        {"RleWith24Bits", [] { return With(Good24(), 30, Le32(1)); }, "bits per pixel"},
        {"UnknownCompression", [] { return With(Good24(), 30, Le32(9)); }, "compression"},
        {"EmbeddedPng", [] { return With(Good24(), 30, Le32(5)); }, "PNG"},
        {"PixelOffsetPastTheEnd", [] { return With(Good24(), 10, Le32(100000)); }, "offset"},
        {"PixelOffsetInsideHeaders", [] { return With(Good24(), 10, Le32(20)); }, "offset"},
        {"EmptyBitMasks",
         [] {
             BmpSpec s{.width = 1, .height = 1, .bitCount = 16, .compression = 3, .masks = {0, 0, 0}};
             s.rows = {{1, 2}};
             return BuildBmp(s);
         },
         "masks"},
        {"IndexedWithoutPalette",
         [] {
             BmpSpec s{.width = 1, .height = 1, .bitCount = 8};
             s.rows = {{0}};
             return BuildBmp(s);
         },
         "palette"},
        {"PaletteCutOff",
         [] {
             BmpSpec s{.width = 1, .height = 1, .bitCount = 8, .palette = {{1, 2, 3}, {4, 5, 6}}};
             s.rows = {{0}};
             Bytes b = BuildBmp(s);
             return With(Cut(b, 54 + 3), 10, Le32(54 + 8));  // offset says two entries, file ends in the first
         },
         "offset"},
        {"RleWithoutEnd",
         [] {
             BmpSpec s{.width = 2, .height = 2, .bitCount = 8, .compression = 1, .palette = {{1, 2, 3}}};
             s.raw = {2, 0, 0, 0};  // one row, then nothing
             return BuildBmp(s);
         },
         "run-length"},
        {"RleCutInAbsoluteRun",
         [] {
             BmpSpec s{.width = 8, .height = 1, .bitCount = 8, .compression = 1, .palette = {{1, 2, 3}}};
             s.raw = {0, 8, 0, 0, 0};
             return BuildBmp(s);
         },
         "run-length"},
        {"RleCutInDelta",
         [] {
             BmpSpec s{.width = 8, .height = 1, .bitCount = 4, .compression = 2, .palette = {{1, 2, 3}}};
             s.raw = {0, 2, 1};
             return BuildBmp(s);
         },
         "delta"},
    };
}

class DamagedBmp : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedBmp, IsRefusedWithAClearMessage)
{
    const Bytes bytes = GetParam().make();
    try {
        DecodeBmp(bytes.data(), bytes.size());
        FAIL() << "decoded without an error";
    } catch (const PictureError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().messagePart), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedBmp, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DamagedBmp, EveryCutOfAGoodFileIsRefusedOrDecoded)
{
    // Every prefix of a valid file either decodes (the last row may lack its
    // padding) or fails with PictureError; nothing else may happen.
    const Bytes good = Good24();
    size_t decoded = 0;
    for (size_t n = 0; n <= good.size(); ++n) {
        const Bytes cut = Cut(good, n);
        try {
            DecodeBmp(cut.data(), cut.size());
            ++decoded;
        } catch (const PictureError&) {
        }
    }
    EXPECT_EQ(decoded, 4u);  // the full file and the three cuts inside the last row's padding
}

}  // namespace
}  // namespace glimmora::test
