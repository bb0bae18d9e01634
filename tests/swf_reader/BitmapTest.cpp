#include "swf/reader/DecodedMovie.h"
#include "support/SwfBytes.h"

#include <gtest/gtest.h>

namespace glimmora::swf {
namespace {

using test::ByteVector;
using test::Bytes;

DecodedMovie Decode(const ByteVector& file, const DecodeLimits& limits = {}) {
    return DecodeMovie(file.data(), file.size(), limits);
}

const Bitmap& BitmapOf(const DecodedMovie& movie, uint16_t id) { return std::get<Bitmap>(*movie.dictionary.at(id)); }

// A 2 x 2 baseline "JPEG": SOI, a quantisation table stub, SOF0, EOI.
const ByteVector kDqt{0xFF, 0xDB, 0x00, 0x04, 0xAA, 0xBB};
const ByteVector kSof{0xFF, 0xC0, 0x00, 0x08, 0x08, 0x00, 0x02, 0x00, 0x02, 0x01};
const ByteVector kScan{0xFF, 0xDA, 0x00, 0x02, 0x12, 0x34, 0xFF, 0xD9};

ByteVector Concat(std::initializer_list<ByteVector> parts) {
    ByteVector out;
    for (const ByteVector& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

const ByteVector kSoi{0xFF, 0xD8}, kEoi{0xFF, 0xD9}, kEoiSoi{0xFF, 0xD9, 0xFF, 0xD8};

TEST(JpegTest, DefineBitsIsGluedToTheJpegTables) {
    ByteVector tables = Concat({kSoi, kDqt, kEoi});
    ByteVector image = Concat({kSoi, kSof, kScan});
    DecodedMovie movie = Decode(test::Movie(
        {test::Tag(8, tables), test::Tag(6, Bytes().U16(1).Add(image), true), test::ShowFrame()}));
    EXPECT_EQ(BitmapOf(movie, 1).kind, Bitmap::Kind::Jpeg);
    EXPECT_EQ(BitmapOf(movie, 1).data, Concat({kSoi, kDqt, kSof, kScan}));
}

TEST(JpegTest, StrayMarkersBeforeTheFrameAreRemovedAndEoiAdded) {
    struct Case {
        const char* name;
        ByteVector stored, expected;
    };
    ByteVector scanWithoutEoi(kScan.begin(), kScan.end() - 2);
    const Case cases[] = {
        {"clean", Concat({kSoi, kDqt, kSof, kScan}), Concat({kSoi, kDqt, kSof, kScan})},
        {"leading pair", Concat({kEoiSoi, kSoi, kDqt, kSof, kScan}), Concat({kSoi, kDqt, kSof, kScan})},
        {"pair between tables", Concat({kSoi, kDqt, kEoiSoi, kDqt, kSof, kScan}), Concat({kSoi, kDqt, kDqt, kSof, kScan})},
        {"pair after the frame stays", Concat({kSoi, kSof, kEoiSoi, kScan}), Concat({kSoi, kSof, kEoiSoi, kScan})},
        {"missing end", Concat({kSoi, kDqt, kSof, scanWithoutEoi}), Concat({kSoi, kDqt, kSof, kScan})},
    };
    for (const Case& c : cases) {
        DecodedMovie movie = Decode(test::Movie({test::Tag(21, Bytes().U16(2).Add(c.stored), true), test::ShowFrame()}));
        EXPECT_EQ(BitmapOf(movie, 2).data, c.expected) << c.name;
    }
}

TEST(JpegTest, PngInDefineBitsJpeg2IsLeftAlone) {
    ByteVector png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 1, 2, 3};
    DecodedMovie movie = Decode(test::Movie({test::Tag(21, Bytes().U16(2).Add(png), true), test::ShowFrame()}));
    EXPECT_EQ(BitmapOf(movie, 2).data, png);
}

TEST(JpegTest, DefineBitsJpeg3InflatesOneAlphaBytePerPixel) {
    ByteVector jpeg = Concat({kSoi, kSof, kScan});
    for (const ByteVector& alpha : {ByteVector{0, 64, 128, 255}, ByteVector{0, 64}}) {
        Bytes body;
        body.U16(3).U32(uint32_t(jpeg.size())).Add(jpeg).Add(test::Deflate(alpha));
        DecodedMovie movie = Decode(test::Movie({test::Tag(35, body, true), test::ShowFrame()}));
        const Bitmap& b = BitmapOf(movie, 3);
        EXPECT_EQ(b.kind, Bitmap::Kind::JpegWithAlpha);
        EXPECT_EQ(b.data, jpeg);
        ByteVector expected = alpha;
        expected.resize(4, 255);  // a short channel is completed as opaque
        EXPECT_EQ(b.alpha, expected);
    }
}

TEST(JpegTest, AlphaOffsetBeyondTheTagIsAnError) {
    Bytes body;
    body.U16(3).U32(5000).Add(kSoi);
    EXPECT_THROW(Decode(test::Movie({test::Tag(35, body, true), test::ShowFrame()})), DecodeError);
}

ByteVector Lossless(uint16_t code, uint8_t format, uint16_t w, uint16_t h, const ByteVector& raw, int tableSize = -1) {
    Bytes body;
    body.U16(4).U8(format).U16(w).U16(h);
    if (tableSize >= 0) body.U8(uint8_t(tableSize));
    body.Add(test::Deflate(raw));
    return test::Tag(code, body, true);
}

TEST(LosslessTest, FormatsAreInflatedToTheirPaddedSizes) {
    struct Case {
        const char* name;
        uint16_t code;
        uint8_t format;
        uint16_t w, h;
        int tableSize;
        size_t expectedBytes;
    };
    const Case cases[] = {
        {"argb", 36, 5, 2, 2, -1, 16},
        {"xrgb", 20, 5, 3, 1, -1, 12},
        {"palette rows padded to 4", 20, 3, 3, 2, 1, 2 * 3 + 4 * 2},
        {"rgba palette", 36, 3, 5, 1, 0, 1 * 4 + 8},
        {"15-bit rows padded to even width", 20, 4, 3, 2, -1, 4 * 2 * 2},
    };
    for (const Case& c : cases) {
        ByteVector raw(c.expectedBytes + 7, 0x5A);  // extra bytes beyond the image are ignored
        DecodedMovie movie = Decode(test::Movie({Lossless(c.code, c.format, c.w, c.h, raw, c.tableSize), test::ShowFrame()}));
        const Bitmap& b = BitmapOf(movie, 4);
        EXPECT_EQ(b.kind, Bitmap::Kind::Lossless) << c.name;
        EXPECT_EQ(b.losslessAlpha, c.code == 36) << c.name;
        EXPECT_EQ(b.width, c.w);
        EXPECT_EQ(b.height, c.h);
        EXPECT_EQ(b.data.size(), c.expectedBytes) << c.name;
        if (c.format == 3) { EXPECT_EQ(b.colorTableSize, c.tableSize + 1); }
    }
}

TEST(LosslessTest, DamagedOrOversizedBitmapsAreErrors) {
    DecodeLimits limits;
    limits.maxInflatedBytes = 1u << 20;
    struct Case {
        const char* name;
        ByteVector tag;
    };
    const Case cases[] = {
        {"short data", Lossless(36, 5, 4, 4, ByteVector(10, 1))},
        {"huge dimensions", Lossless(36, 5, 65535, 65535, ByteVector(16, 1))},
        {"just over the limit", Lossless(20, 5, 1024, 257, ByteVector(16, 1))},
        {"unknown format", Lossless(20, 7, 1, 1, ByteVector(4, 1))},
        {"15-bit in version 2", Lossless(36, 4, 1, 1, ByteVector(4, 1))},
        {"bad zlib", test::Tag(20, Bytes().U16(4).U8(5).U16(1).U16(1).Add({0x78, 0x9C, 0xFF, 0xFF, 0xFF}), true)},
    };
    for (const Case& c : cases) {
        EXPECT_THROW(Decode(test::Movie({c.tag, test::ShowFrame()}), limits), DecodeError) << c.name;
    }
}

}  // namespace
}  // namespace glimmora::swf
