// The bit writer and the width rules, against bytes worked out by hand.

#include "swf/writer/BitWidths.h"
#include "swf/writer/BitWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace glimmora::swf {
namespace {

using Bytes = std::vector<uint8_t>;

struct BitCase {
    const char* name;
    std::function<void(BitWriter&)> write;
    Bytes expected;
};

TEST(BitWriter, WritesFieldsMsbFirstAndIntegersLittleEndian)
{
    const BitCase cases[] = {
        {"UI16 little-endian", [](BitWriter& w) { w.UI16(0x1234); }, {0x34, 0x12}},
        {"UI32 little-endian", [](BitWriter& w) { w.UI32(0x01020304); }, {0x04, 0x03, 0x02, 0x01}},
        {"SI16 negative", [](BitWriter& w) { w.SI16(-2); }, {0xFE, 0xFF}},
        {"bits fill from the top", [](BitWriter& w) { w.UB(1, 1); w.UB(0, 1); w.UB(5, 3); w.Align(); },
         {0xA8}},
        {"a field continues across bytes", [](BitWriter& w) { w.UB(0x1FF, 9); w.Align(); },
         {0xFF, 0x80}},
        {"a byte write pads the started byte", [](BitWriter& w) { w.UB(1, 1); w.UI8(0x55); },
         {0x80, 0x55}},
        {"SB two's complement", [](BitWriter& w) { w.SB(-1, 3); w.SB(3, 3); w.Align(); }, {0xEC}},
        {"zero width writes nothing", [](BitWriter& w) { w.UB(7, 0); w.SB(-1, 0); w.UI8(1); }, {0x01}},
        {"32-bit field", [](BitWriter& w) { w.UB(0x80000001u, 32); }, {0x80, 0x00, 0x00, 0x01}},
        {"string is NUL-terminated", [](BitWriter& w) { w.String("ab"); }, {'a', 'b', 0}},
        {"align on a boundary adds nothing", [](BitWriter& w) { w.UB(0xAB, 8); w.Align(); }, {0xAB}},
    };
    for (const BitCase& c : cases) {
        BitWriter writer;
        c.write(writer);
        EXPECT_EQ(writer.Data(), c.expected) << c.name;
    }
}

TEST(BitWriter, PatchesWrittenBytes)
{
    BitWriter writer;
    writer.UI32(0);
    writer.UI16(0);
    writer.PatchUI32(0, 0xA1B2C3D4);
    writer.PatchUI16(4, 0x0102);
    EXPECT_EQ(writer.Data(), (Bytes{0xD4, 0xC3, 0xB2, 0xA1, 0x02, 0x01}));
}

TEST(BitWidths, SmallestWidthsThatHoldTheValue)
{
    struct Case {
        int64_t value;
        int unsignedBits;
        int signedBits;
    };
    const Case cases[] = {
        {0, 0, 0},   {1, 1, 2},       {-1, 0, 1},      {2, 2, 3},     {-2, 0, 2},
        {35, 6, 7},  {11000, 14, 15}, {65535, 16, 17}, {-65536, 0, 17}, {65536, 17, 18},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SignedBits(c.value), c.signedBits) << c.value;
        if (c.value >= 0) {
            EXPECT_EQ(UnsignedBits(uint32_t(c.value)), c.unsignedBits) << c.value;
        }
    }
    EXPECT_EQ(SignedBits(65536), 18);  // 1.0 in 16.16 needs 18 bits
    EXPECT_EQ(SignedBits(20 * 65536), 22);
}

}  // namespace
}  // namespace glimmora::swf
