// Bitmap decoding (JPEG, JPEG with alpha, lossless formats) and bitmap fills.

#include "RenderFixture.h"

#include "effects/picture/import/JpegEncoder.h"
#include "player/BitmapDecoder.h"

namespace glimmora::test {
namespace {

using Type = swf::FillStyle::Type;

// A 2x2 lossless picture, premultiplied ARGB: red, green / blue, white.
swf::Bitmap Quadrants()
{
    return ArgbPicture(2, 2, {255, 255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255});
}

std::vector<uint8_t> SolidJpeg(int size, uint8_t r, uint8_t g, uint8_t b)
{
    RgbImage image = AllocateRgbImage(size, size);
    for (size_t i = 0; i < image.pixels.size(); i += 3) {
        image.pixels[i] = r;
        image.pixels[i + 1] = g;
        image.pixels[i + 2] = b;
    }
    return EncodeJpeg(image, 95);
}

struct PixelCase {
    int x, y;
    swf::Rgba expected;
};

TEST(BitmapFill, StretchedOrTiledOverTheShape)
{
    struct Case {
        const char* name;
        Type type;
        double pixelsPerTexel;
        int tolerance;  // smoothing blends a little of the neighbouring texel in
        std::vector<PixelCase> pixels;
    };
    const std::vector<PixelCase> tiled = {{15, 15, kRed}, {25, 15, kGreen}, {35, 15, kRed},
                                          {15, 25, kBlue}, {35, 35, kRed}, {45, 45, kWhite}};
    const std::vector<PixelCase> extended = {{15, 15, kRed}, {25, 15, kGreen}, {45, 15, kGreen},
                                             {15, 45, kBlue}, {45, 45, kWhite}, {45, 25, kWhite},
                                             {5, 5, kWhite}};
    const std::vector<Case> cases = {
        // 2x2 stretched over the 40x40 box at (10, 10): one quadrant per texel.
        {"clipped, stretched", Type::ClippedBitmap, 20, 8,
         {{15, 15, kRed}, {45, 15, kGreen}, {15, 45, kBlue}, {45, 45, kWhite}, {11, 11, kRed},
          {48, 48, kWhite}, {5, 5, kWhite}, {55, 30, kWhite}}},
        {"clipped, unsmoothed", Type::ClippedBitmapHard, 20, 2,
         {{11, 11, kRed}, {29, 29, kRed}, {30, 29, kGreen}, {29, 30, kBlue}, {30, 30, kWhite}}},
        // 10 px per texel: the 20 px picture repeats over the box...
        {"repeating", Type::RepeatingBitmap, 10, 24, tiled},
        {"repeating, unsmoothed", Type::RepeatingBitmapHard, 10, 2, tiled},
        // ... or its edge pixels extend beyond it.
        {"clipped, edges extended", Type::ClippedBitmap, 10, 24, extended},
        {"clipped, edges extended, unsmoothed", Type::ClippedBitmapHard, 10, 2, extended},
        // A 4 px picture in the 40 px box: its edges stretch far beyond it.
        {"clipped, far past the edges, unsmoothed", Type::ClippedBitmapHard, 2, 2,
         {{10, 10, kRed}, {12, 10, kGreen}, {10, 12, kBlue}, {12, 12, kWhite}, {40, 10, kGreen},
          {10, 40, kBlue}, {40, 40, kWhite}, {55, 55, kWhite}}},
        {"clipped, far past the edges", Type::ClippedBitmap, 2, 8,
         {{40, 10, kGreen}, {10, 40, kBlue}, {40, 40, kWhite}, {55, 55, kWhite}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MovieFixture fixture;
        fixture.Define(2, Quadrants());
        const double s = c.pixelsPerTexel * 20;
        fixture.Define(1, RectShape(10, 10, 40, 40, BitmapFill(c.type, 2, Affine(s, 0, 0, s, 10, 10))));
        fixture.Place(0, 1, 1);
        const QImage image = fixture.Render();
        for (const PixelCase& p : c.pixels) EXPECT_PIXEL_NEAR(image, p.x, p.y, Q(p.expected), c.tolerance);
    }
}

TEST(BitmapFill, ColourTransformTintsTheBitmap)
{
    MovieFixture fixture;
    fixture.Define(2, Quadrants());
    fixture.Define(1, RectShape(0, 0, 40, 40,
                                BitmapFill(Type::ClippedBitmap, 2, Affine(400, 0, 0, 400, 0, 0))));
    swf::ColorTransform noRed;
    noRed.multR = 0;
    fixture.Place(0, 1, 1, Translate(10, 10)).colorTransform = noRed;
    const QImage image = fixture.Render();
    EXPECT_PIXEL_NEAR(image, 15, 15, QColor(0, 0, 0), 8);
    EXPECT_PIXEL_NEAR(image, 45, 45, QColor(0, 255, 255), 8);
}

// A half-transparent picture is evenly half-transparent up to its edges:
// nothing is drawn twice along them.
TEST(BitmapFill, TranslucentPictureHasNoSeams)
{
    swf::Bitmap red = Quadrants();
    red.data = {255, 255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0};
    for (double pixelsPerTexel : {20.0, 2.0}) {
        SCOPED_TRACE(pixelsPerTexel);
        MovieFixture fixture;
        fixture.Define(2, red);
        const double s = pixelsPerTexel * 20;
        fixture.Define(1, RectShape(10, 10, 40, 40,
                                    BitmapFill(Type::ClippedBitmap, 2, Affine(s, 0, 0, s, 10, 10))));
        swf::ColorTransform half;
        half.multA = 128;
        fixture.Place(0, 1, 1).colorTransform = half;
        const QImage image = fixture.Render();
        for (auto [x, y] : std::vector<std::pair<int, int>>{{30, 30}, {10, 30}, {49, 30}, {30, 10},
                                                            {30, 49}, {11, 30}, {13, 30}, {14, 14}}) {
            EXPECT_PIXEL(image, x, y, QColor(255, 127, 127));
        }
        EXPECT_PIXEL(image, 9, 30, Q(kWhite));
        EXPECT_PIXEL(image, 50, 30, Q(kWhite));
    }
}

TEST(BitmapFill, DamagedOrMissingBitmapDrawsNothing)
{
    struct Case {
        const char* name;
        std::optional<swf::Bitmap> bitmap;
    };
    swf::Bitmap garbage;
    garbage.data = {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'};
    swf::Bitmap cutJpeg;
    cutJpeg.data = SolidJpeg(16, 255, 0, 0);
    cutJpeg.data.resize(20);
    swf::Bitmap badPng;
    badPng.data = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 1, 2, 3};
    swf::Bitmap shortLossless = Quadrants();
    shortLossless.data.resize(8);
    for (const Case& c : {Case{"garbage", garbage}, Case{"cut JPEG header", cutJpeg},
                          Case{"bad PNG", badPng}, Case{"short lossless", shortLossless},
                          Case{"no such character", std::nullopt}}) {
        SCOPED_TRACE(c.name);
        MovieFixture fixture;
        if (c.bitmap) {
            EXPECT_TRUE(player::DecodeBitmap(*c.bitmap).isNull());
            fixture.Define(2, *c.bitmap);
        }
        fixture.Define(1, RectShape(10, 10, 40, 40,
                                    BitmapFill(Type::ClippedBitmap, 2, Affine(20, 0, 0, 20, 10, 10))));
        fixture.Define(3, RectShape(60, 60, 10, 10, Solid(kRed)));
        fixture.Place(0, 1, 1);
        fixture.Place(0, 2, 3);
        const QImage image = fixture.Render();
        EXPECT_PIXEL(image, 20, 20, Q(kWhite));
        EXPECT_PIXEL(image, 65, 65, Q(kRed));
    }
}

TEST(LosslessBitmaps, FormatsDecodeToStraightColours)
{
    struct Case {
        const char* name;
        uint8_t format;
        bool alpha;
        uint16_t width, height, tableSize;
        std::vector<uint8_t> data;
        std::vector<QColor> expected;  // row-major; empty: the bitmap is refused
    };
    const std::vector<Case> cases = {
        {"palette, RGB", 3, false, 2, 1, 2, {255, 0, 0, 0, 0, 255, 0, 1, 0, 0},
         {QColor(255, 0, 0), QColor(0, 0, 255)}},
        // Premultiplied RGBA palette; index 5 is past the table: transparent.
        {"palette, RGBA", 3, true, 3, 1, 2, {128, 0, 0, 128, 0, 0, 255, 255, 0, 1, 5, 0},
         {QColor(255, 0, 0, 128), QColor(0, 0, 255), QColor(0, 0, 0, 0)}},
        {"palette, RGB, index past the table is black", 3, false, 1, 1, 1, {0, 255, 0, 3, 0, 0, 0},
         {QColor(0, 0, 0)}},
        // 15-bit big-endian, rows padded to an even width.
        {"RGB15", 4, false, 1, 2, 0, {0x7C, 0x00, 0, 0, 0x00, 0x1F, 0, 0},
         {QColor(255, 0, 0), QColor(0, 0, 255)}},
        {"RGB15 in a v2 tag", 4, true, 1, 1, 0, {0x7C, 0x00, 0, 0}, {}},
        {"XRGB, first byte ignored", 5, false, 1, 1, 0, {0x55, 10, 20, 30}, {QColor(10, 20, 30)}},
        // Premultiplied with a channel above alpha: clamped to it.
        {"ARGB premultiplied", 5, true, 2, 1, 0, {128, 255, 0, 0, 0, 0, 0, 0},
         {QColor(255, 0, 0, 128), QColor(0, 0, 0, 0)}},
        {"too little data", 5, true, 2, 2, 0, {255, 1, 2, 3}, {}},
        {"unknown format", 7, false, 1, 1, 0, {0, 0, 0, 0}, {}},
        {"zero width", 5, false, 0, 1, 0, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        swf::Bitmap b;
        b.kind = swf::Bitmap::Kind::Lossless;
        b.losslessFormat = c.format;
        b.losslessAlpha = c.alpha;
        b.width = c.width;
        b.height = c.height;
        b.colorTableSize = c.tableSize;
        b.data = c.data;
        const QImage image = player::DecodeBitmap(b);
        if (c.expected.empty()) {
            EXPECT_TRUE(image.isNull());
            continue;
        }
        ASSERT_EQ(image.size(), QSize(c.width, c.height));
        EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
        for (int i = 0; i < int(c.expected.size()); ++i) {
            EXPECT_PIXEL_NEAR(image, i % c.width, i / c.width, c.expected[size_t(i)], 1);
        }
    }
}

TEST(JpegBitmaps, DecodeWithAndWithoutAlphaAndStrayHeader)
{
    const std::vector<uint8_t> jpeg = SolidJpeg(16, 250, 10, 10);
    swf::Bitmap plain;
    plain.data = jpeg;
    const QImage image = player::DecodeBitmap(plain);
    ASSERT_EQ(image.size(), QSize(16, 16));
    EXPECT_PIXEL_NEAR(image, 8, 8, QColor(250, 10, 10), 6);

    swf::Bitmap stray = plain;
    stray.data.insert(stray.data.begin(), {0xFF, 0xD9, 0xFF, 0xD8});
    EXPECT_EQ(player::DecodeBitmap(stray).size(), QSize(16, 16));

    swf::Bitmap withAlpha = plain;
    withAlpha.kind = swf::Bitmap::Kind::JpegWithAlpha;
    withAlpha.alpha.assign(16 * 16, 128);
    const QImage translucent = player::DecodeBitmap(withAlpha);
    ASSERT_FALSE(translucent.isNull());
    // The colour channels count as premultiplied: clamped to the alpha.
    const QRgb raw = reinterpret_cast<const QRgb*>(translucent.constScanLine(8))[8];
    EXPECT_EQ(qAlpha(raw), 128);
    EXPECT_LE(qRed(raw), 128);
    EXPECT_LE(qGreen(raw), 128);
}

}  // namespace
}  // namespace glimmora::test
