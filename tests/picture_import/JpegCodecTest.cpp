// Decoding JPEG files of every layout, and refusing damaged ones.

#include "BmpBuilder.h"
#include "JpegFixtures.h"
#include "effects/picture/import/JpegDecoder.h"
#include "effects/picture/import/JpegEncoder.h"
#include "effects/picture/import/PictureError.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace glimmora::test {
namespace {

using Rgb = std::array<std::uint8_t, 3>;

// Left half one colour, right half another: flat areas survive compression
// within a few levels.
Rgb TwoColours(int x, int) { return x < 8 ? Rgb{220, 30, 40} : Rgb{20, 90, 200}; }

void ExpectNear(const RgbImage& image, int x, int y, Rgb want, int tolerance)
{
    const std::uint8_t* p = image.Row(y) + 3 * x;
    for (int c = 0; c < 3; ++c)
        EXPECT_LE(std::abs(int(p[c]) - int(want[c])), tolerance) << "pixel " << x << ", " << y << " channel " << c;
}

struct LayoutCase {
    const char* name;
    JpegLayout layout;
    bool progressive;
    Rgb left, right;  // expected at (2, 4) and (13, 4)
};

class JpegLayoutCase : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(JpegLayoutCase, DecodesToRgb)
{
    const LayoutCase& c = GetParam();
    JpegSpec fixture{.width = 16, .height = 8, .quality = 95, .progressive = c.progressive, .layout = c.layout,
                  .colour = TwoColours};
    const auto bytes = WriteTestJpeg(fixture);
    const RgbImage image = DecodeJpeg(bytes.data(), bytes.size());
    ASSERT_EQ(image.width, 16);
    ASSERT_EQ(image.height, 8);
    ExpectNear(image, 2, 4, c.left, 6);
    ExpectNear(image, 13, 4, c.right, 6);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, JpegLayoutCase,
    ::testing::Values(LayoutCase{"Baseline", JpegLayout::Rgb, false, {220, 30, 40}, {20, 90, 200}},
                      LayoutCase{"Progressive", JpegLayout::Rgb, true, {220, 30, 40}, {20, 90, 200}},
                      LayoutCase{"Grey", JpegLayout::Grey, false, {220, 220, 220}, {20, 20, 20}},
                      LayoutCase{"AdobeCmyk", JpegLayout::AdobeCmyk, false, {220, 30, 40}, {20, 90, 200}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JpegCodec, EncodedPictureDecodesToTheSamePixels)
{
    RgbImage image = AllocateRgbImage(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const Rgb c = TwoColours(x, y);
            std::copy(c.begin(), c.end(), image.Row(y) + 3 * x);
        }
    const auto bytes = EncodeJpeg(image, kStoredJpegQuality);
    EXPECT_EQ(LuminanceQuantDc(bytes), 8);  // the standard table at quality 75
    const RgbImage back = DecodeJpeg(bytes.data(), bytes.size());
    ASSERT_EQ(back.width, 16);
    ExpectNear(back, 2, 4, {220, 30, 40}, 8);
    ExpectNear(back, 13, 4, {20, 90, 200}, 8);
}

using Bytes = std::vector<std::uint8_t>;

Bytes GoodJpeg(bool progressive)
{
    return WriteTestJpeg({.width = 64, .height = 48, .quality = 90, .progressive = progressive,
                          .colour = [](int x, int y) { return Rgb{std::uint8_t(x * 4), std::uint8_t(y * 5), 99}; }});
}

struct DamagedJpegCase {
    const char* name;
    Bytes bytes;
};

std::vector<DamagedJpegCase> DamagedCases()
{
    const Bytes good = GoodJpeg(false);
    const Bytes progressive = GoodJpeg(true);
    auto cut = [](Bytes b, size_t n) { b.resize(n); return b; };
    Bytes endInData = good;  // an end-of-image marker in the middle of the entropy-coded data
    endInData[good.size() - 100] = 0xFF;
    endInData[good.size() - 99] = 0xD9;
    Bytes noFrame = good;
    noFrame.erase(noFrame.begin() + 2, noFrame.end() - 2);  // SOI then EOI
    return {
        {"Empty", {}},
        {"Text", {'j', 'u', 's', 't', ' ', 't', 'e', 'x', 't'}},
        {"BmpBytes", BuildBmp24(2, 2, [](int, int) { return Rgb{1, 2, 3}; })},
        {"OnlyStartMarker", {0xFF, 0xD8}},
        {"NoFrame", noFrame},
        {"CutInHeaders", cut(good, 100)},
        {"CutInData", cut(good, good.size() / 2)},
        {"ProgressiveCutInData", cut(progressive, progressive.size() / 2)},
        {"MarkerInsideData", endInData},
    };
}

class DamagedJpeg : public ::testing::TestWithParam<DamagedJpegCase> {};

TEST_P(DamagedJpeg, IsRefusedWithTheLibrarysMessage)
{
    const Bytes& bytes = GetParam().bytes;
    try {
        DecodeJpeg(bytes.data(), bytes.size());
        FAIL() << "decoded without an error";
    } catch (const PictureError& e) {
        EXPECT_GT(std::string(e.what()).size(), 5u);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedJpeg, ::testing::ValuesIn(DamagedCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace glimmora::test
