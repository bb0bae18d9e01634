// Each BMP layout the decoder reads, as a tiny file with known pixels. The
// pictures are 3 x 2 (odd widths exercise the row padding); `expected` lists
// the pixels from the top-left, row by row.

#include "BmpBuilder.h"
#include "effects/picture/import/BmpDecoder.h"

#include <gtest/gtest.h>

#include <string>

namespace glimmora::test {
namespace {

using Rgb = std::array<std::uint8_t, 3>;
constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255}, kBlack{0, 0, 0},
    kTeal{0, 128, 128};

struct FormatCase {
    const char* name;
    BmpSpec fixture;
    std::vector<Rgb> expected;
};

const std::vector<Rgb> kPalette{kBlack, kRed, kGreen, kBlue, kWhite, kTeal};

std::vector<FormatCase> Cases()
{
    std::vector<FormatCase> cases;
    {   // 1 bit: rows bottom-up; bit 7 is the leftmost pixel.
        BmpSpec s{.width = 3, .height = 2, .bitCount = 1, .palette = {kBlue, kWhite}};
        s.rows = {{0b01000000}, {0b10100000}};
        cases.push_back({"OneBit", s, {kWhite, kBlue, kWhite, kBlue, kWhite, kBlue}});
    }
    {   // 4 bits: high nibble first; a short palette (colorsUsed 6).
        BmpSpec s{.width = 3, .height = 2, .bitCount = 4, .colorsUsed = 6, .palette = kPalette};
        s.rows = {{0x45, 0x00}, {0x12, 0x30}};
        cases.push_back({"FourBit", s, {kRed, kGreen, kBlue, kWhite, kTeal, kBlack}});
    }
    {   // 8 bits, rows from the top.
        BmpSpec s{.width = 3, .height = -2, .bitCount = 8, .palette = kPalette};
        s.rows = {{1, 2, 3}, {4, 5, 0}};
        cases.push_back({"EightBitTopDown", s, {kRed, kGreen, kBlue, kWhite, kTeal, kBlack}});
    }
    {   // 16 bits BI_RGB: 5-5-5, x RRRRR GGGGG BBBBB, little-endian.
        BmpSpec s{.width = 3, .height = 2, .bitCount = 16};
        s.rows = {{0xFF, 0x7F, 0x00, 0x00, 0x10, 0x42}, {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00}};
        cases.push_back({"SixteenBit555", s, {kRed, kGreen, kBlue, kWhite, kBlack, {132, 132, 132}}});
    }
    {   // 16 bits 5-6-5 through bit fields after a 40-byte header.
        BmpSpec s{.width = 3, .height = 2, .bitCount = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x001F}};
        s.rows = {{0xFF, 0xFF, 0x00, 0x00, 0x00, 0x04}, {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00}};
        cases.push_back({"SixteenBit565", s, {kRed, kGreen, kBlue, kWhite, kBlack, {0, 130, 0}}});
    }
    {   // 24 bits: blue, green, red; rows padded to 12 bytes.
        BmpSpec s{.width = 3, .height = 2, .bitCount = 24};
        s.rows = {{255, 255, 255, 0, 0, 0, 128, 128, 0}, {0, 0, 255, 0, 255, 0, 255, 0, 0}};
        cases.push_back({"TwentyFourBit", s, {kRed, kGreen, kBlue, kWhite, kBlack, kTeal}});
    }
    {   // 32 bits BI_RGB: blue, green, red, unused.
        BmpSpec s{.width = 3, .height = 2, .bitCount = 32};
        s.rows = {{255, 255, 255, 9, 0, 0, 0, 9, 128, 128, 0, 9}, {0, 0, 255, 9, 0, 255, 0, 9, 255, 0, 0, 9}};
        cases.push_back({"ThirtyTwoBit", s, {kRed, kGreen, kBlue, kWhite, kBlack, kTeal}});
    }
    {   // 32 bits with bit fields inside a V4 header: red, green, blue, alpha bytes.
        BmpSpec s{.headerSize = 108, .width = 3, .height = 2, .bitCount = 32, .compression = 3,
                  .masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000}};
        s.rows = {{255, 255, 255, 0, 0, 0, 0, 255, 0, 128, 128, 7}, {255, 0, 0, 1, 0, 255, 0, 2, 0, 0, 255, 3}};
        cases.push_back({"ThirtyTwoBitFieldsV4", s, {kRed, kGreen, kBlue, kWhite, kBlack, kTeal}});
    }
    {   // 24 bits behind a V5 header.
        BmpSpec s{.headerSize = 124, .width = 3, .height = 2, .bitCount = 24};
        s.rows = {{255, 255, 255, 0, 0, 0, 128, 128, 0}, {0, 0, 255, 0, 255, 0, 255, 0, 0}};
        cases.push_back({"TwentyFourBitV5", s, {kRed, kGreen, kBlue, kWhite, kBlack, kTeal}});
    }
    {   // OS/2 core header: 16-bit sizes, three-byte palette entries.
        BmpSpec s{.headerSize = 12, .width = 3, .height = 2, .bitCount = 8, .palette = kPalette};
        s.rows = {{4, 5, 0}, {1, 2, 3}};
        cases.push_back({"Os2CoreEightBit", s, {kRed, kGreen, kBlue, kWhite, kTeal, kBlack}});
    }
    {   // OS/2 core header, 24 bits.
        BmpSpec s{.headerSize = 12, .width = 3, .height = 2, .bitCount = 24};
        s.rows = {{255, 255, 255, 0, 0, 0, 128, 128, 0}, {0, 0, 255, 0, 255, 0, 255, 0, 0}};
        cases.push_back({"Os2CoreTwentyFourBit", s, {kRed, kGreen, kBlue, kWhite, kBlack, kTeal}});
    }
    {   // RLE8: a run of two, an absolute run of three (padded), end of line,
        // a delta that skips a pixel (left at index 0), a run, end of bitmap.
        BmpSpec s{.width = 3, .height = 2, .bitCount = 8, .compression = 1, .palette = kPalette};
        s.raw = {0, 3, 4, 5, 1, 0,  // absolute: white, teal, red (padded)
                 0, 0,              // end of line
                 0, 2, 1, 0,        // delta: one right
                 2, 3,              // two blues
                 0, 1};             // end of bitmap
        cases.push_back({"Rle8", s, {kBlack, kBlue, kBlue, kWhite, kTeal, kRed}});
    }
    {   // RLE4: a run alternating two nibbles, end of line, absolute run, end of bitmap.
        BmpSpec s{.width = 3, .height = 2, .bitCount = 4, .compression = 2, .palette = kPalette};
        s.raw = {3, 0x12, 0, 0,           // red, green, red
                 0, 3, 0x34, 0x50, 0, 1};  // absolute: blue, white, teal (2 bytes, even)
        cases.push_back({"Rle4", s, {kBlue, kWhite, kTeal, kRed, kGreen, kRed}});
    }
    return cases;
}

class BmpFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(BmpFormat, DecodesEveryPixel)
{
    const FormatCase& c = GetParam();
    const auto bytes = BuildBmp(c.fixture);
    const RgbImage image = DecodeBmp(bytes.data(), bytes.size());
    ASSERT_EQ(image.width, 3);
    ASSERT_EQ(image.height, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const std::uint8_t* p = image.Row(y) + 3 * x;
            EXPECT_EQ((Rgb{p[0], p[1], p[2]}), c.expected[std::size_t(y * 3 + x)]) << "pixel " << x << ", " << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Layouts, BmpFormat, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BmpFormats, IndexBeyondAShortPaletteIsBlack)
{
    BmpSpec s{.width = 2, .height = 1, .bitCount = 8, .colorsUsed = 2, .palette = {kWhite, kRed}};
    s.rows = {{1, 200}};
    const auto bytes = BuildBmp(s);
    const RgbImage image = DecodeBmp(bytes.data(), bytes.size());
    EXPECT_EQ((Rgb{image.pixels[0], image.pixels[1], image.pixels[2]}), kRed);
    EXPECT_EQ((Rgb{image.pixels[3], image.pixels[4], image.pixels[5]}), kBlack);
}

TEST(BmpFormats, RunLengthCodesOutsideThePictureAreDropped)
{
    BmpSpec s{.width = 2, .height = 1, .bitCount = 8, .compression = 1, .palette = kPalette};
    s.raw = {255, 1,       // a run far past the right edge
             0, 2, 200, 9,  // a delta far below the picture
             5, 2, 0, 1};
    const auto bytes = BuildBmp(s);
    const RgbImage image = DecodeBmp(bytes.data(), bytes.size());
    EXPECT_EQ((Rgb{image.pixels[0], image.pixels[1], image.pixels[2]}), kRed);
    EXPECT_EQ((Rgb{image.pixels[3], image.pixels[4], image.pixels[5]}), kRed);
}

}  // namespace
}  // namespace glimmora::test
