#include "swf/reader/BitReader.h"
#include "swf/reader/RecordReading.h"
#include "support/SwfBytes.h"

#include <gtest/gtest.h>

namespace glimmora::swf {
namespace {

using test::BitWriter;
using test::ByteVector;

TEST(BitFieldTest, ZeroWidthFieldsAreZeroAndConsumeNothing) {
    ByteVector data{0xFF};
    BitReader in(data.data(), data.size());
    EXPECT_EQ(in.UB(0), 0u);
    EXPECT_EQ(in.SB(0), 0);
    EXPECT_EQ(in.UB(8), 0xFFu);  // all eight bits still there
    EXPECT_EQ(in.UB(0), 0u);     // and a zero-width read at the end is fine
}

TEST(BitFieldTest, SignedFieldsAreSignExtendedFromTheirTopBit) {
    struct Case {
        unsigned bits;
        uint32_t raw;
        int32_t expected;
    };
    const Case cases[] = {
        {1, 1, -1},          {1, 0, 0},          {2, 0b10, -2},       {2, 0b01, 1},
        {7, 0b0100011, 35},  {7, 0b1011101, -35}, {17, 0x10000, -65536}, {17, 0x0FFFF, 65535},
        {31, 0x40000000, -(1 << 30)},            {32, 0x80000000u, INT32_MIN}, {32, 0x7FFFFFFF, INT32_MAX},
    };
    for (const Case& c : cases) {
        BitWriter w;
        w.UB(3, 0b101).UB(c.bits, c.raw);  // start off the byte boundary
        ByteVector data = w.Bytes();
        BitReader in(data.data(), data.size());
        EXPECT_EQ(in.UB(3), 0b101u);
        EXPECT_EQ(in.SB(c.bits), c.expected) << c.bits << " bits, raw " << c.raw;
    }
}

TEST(BitFieldTest, FieldsRunAcrossBytesMostSignificantBitFirst) {
    ByteVector data{0b10110011, 0b01011100};
    BitReader in(data.data(), data.size());
    EXPECT_EQ(in.UB(3), 0b101u);
    EXPECT_EQ(in.UB(9), 0b100110101u);
    EXPECT_EQ(in.UB(4), 0b1100u);
}

TEST(BitFieldTest, ByteReadsSkipToTheNextBoundary) {
    ByteVector data{0x80, 0x34, 0x12};
    BitReader in(data.data(), data.size());
    EXPECT_TRUE(in.Flag());
    EXPECT_EQ(in.U16(), 0x1234);
}

TEST(BitFieldTest, ReadsPastTheEndThrow) {
    ByteVector data{0x01, 0x02};
    BitReader bits(data.data(), data.size());
    EXPECT_THROW(bits.UB(17), DecodeError);
    BitReader bytes(data.data(), data.size());
    EXPECT_THROW(bytes.U32(), DecodeError);
    BitReader raw(data.data(), data.size());
    EXPECT_THROW(raw.Bytes(3), DecodeError);
    BitReader wide(data.data(), data.size());
    EXPECT_THROW(wide.UB(33), DecodeError);
}

TEST(BitFieldTest, SubReadersStayInsideTheirRange) {
    ByteVector data{0x01, 0x02, 0x03, 0x04};
    BitReader in(data.data(), data.size());
    BitReader sub = in.Sub(2);
    EXPECT_EQ(sub.U16(), 0x0201);
    EXPECT_THROW(sub.U8(), DecodeError);
    EXPECT_EQ(in.U16(), 0x0403);
}

Matrix MatrixOf(const ByteVector& bytes) {
    BitReader in(bytes.data(), bytes.size());
    Matrix m = ReadMatrix(in);
    EXPECT_TRUE(in.AtEnd());
    return m;
}

TEST(MatrixTest, ReadsTheDocumentedExamples) {
    EXPECT_EQ(MatrixOf({0x00}), Matrix{});
    Matrix translate = MatrixOf({0x18, 0xFA, 0x07, 0xD0});
    EXPECT_EQ(translate.translateX, 2000);
    EXPECT_EQ(translate.translateY, 1000);
    EXPECT_FALSE(translate.hasScale());
}

TEST(MatrixTest, ReadsScaleRotationAndNegativeTranslation) {
    BitWriter w;
    w.UB(1, 1).UB(5, 19).SB(19, 131072).SB(19, -65536);   // scale 2.0, -1.0
    w.UB(1, 1).UB(5, 18).SB(18, 46341).SB(18, -46341);    // skew
    w.UB(5, 12).SB(12, -2000).SB(12, 7);
    Matrix m = MatrixOf(w.Bytes());
    EXPECT_EQ(m.scaleX, 131072);
    EXPECT_EQ(m.scaleY, -65536);
    EXPECT_EQ(m.rotateSkew0, 46341);
    EXPECT_EQ(m.rotateSkew1, -46341);
    EXPECT_EQ(m.translateX, -2000);
    EXPECT_EQ(m.translateY, 7);
}

TEST(RectTest, ZeroWidthRectIsOneByte) {
    ByteVector data{0x00, 0xAB};
    BitReader in(data.data(), data.size());
    EXPECT_EQ(ReadRect(in), Rect{});
    EXPECT_EQ(in.U8(), 0xAB);
}

struct CxformCase {
    const char* name;
    ByteVector bytes;
    bool withAlpha;
    ColorTransform expected;
};

class ColorTransformTest : public ::testing::TestWithParam<CxformCase> {};

TEST_P(ColorTransformTest, ReadsMultipliersThenOffsets) {
    const CxformCase& c = GetParam();
    BitReader in(c.bytes.data(), c.bytes.size());
    EXPECT_EQ(ReadColorTransform(in, c.withAlpha), c.expected);
    EXPECT_TRUE(in.AtEnd());
}

ColorTransform Ct(int16_t mr, int16_t mg, int16_t mb, int16_t ma, int16_t ar, int16_t ag, int16_t ab, int16_t aa) {
    ColorTransform ct;
    ct.multR = mr, ct.multG = mg, ct.multB = mb, ct.multA = ma;
    ct.addR = ar, ct.addG = ag, ct.addB = ab, ct.addA = aa;
    return ct;
}

ByteVector BothTerms(bool alpha) {
    // HasAdd first, then HasMult; values mult then add.
    BitWriter w;
    w.UB(1, 1).UB(1, 1).UB(4, 10);
    for (int v : {128, 256, 64}) w.SB(10, v);
    if (alpha) w.SB(10, 200);
    for (int v : {-255, 10, 0}) w.SB(10, v);
    if (alpha) w.SB(10, -1);
    return w.Bytes();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColorTransformTest,
    ::testing::Values(
        CxformCase{"HalfTransparent", {0x69, 0x00, 0x40, 0x10, 0x02, 0x00}, true, Ct(256, 256, 256, 128, 0, 0, 0, 0)},
        CxformCase{"Identity", {0x00}, true, ColorTransform{}},
        CxformCase{"BothWithAlpha", BothTerms(true), true, Ct(128, 256, 64, 200, -255, 10, 0, -1)},
        CxformCase{"BothWithoutAlpha", BothTerms(false), false, Ct(128, 256, 64, 256, -255, 10, 0, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StringTest, OldFilesAreReadAsCp1252) {
    ByteVector data{'C', 0xE9, 0x80, 0x00};
    BitReader old(data.data(), data.size());
    EXPECT_EQ(ReadSwfString(old, 5), "C\xC3\xA9\xE2\x82\xAC");
    BitReader modern(data.data(), data.size());
    EXPECT_EQ(ReadSwfString(modern, 8), "C\xE9\x80");
}

}  // namespace
}  // namespace glimmora::swf
