// Shape records read back with a small edge reader: long edges are split
// into records that fit, and the pen ends exactly where it was sent.

#include "swf/writer/GlyphShape.h"
#include "swf/writer/ShapeRecordWriter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace glimmora::swf {
namespace {

// Reads the records of a SHAPE (NumFillBits/NumLineBits first) back.
class EdgeReader {
public:
    explicit EdgeReader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}

    struct Summary {
        int edges = 0, curves = 0, moves = 0;
        int64_t penX = 0, penY = 0;
        int64_t largestDelta = 0;
        bool ended = false;
    };

    Summary Read()
    {
        Summary s;
        const int fillBits = int(UB(4));
        const int lineBits = int(UB(4));
        while (bit_ < bytes_.size() * 8) {
            if (UB(1) == 0) {
                const uint32_t flags = UB(5);
                if (flags == 0) {
                    s.ended = true;
                    break;
                }
                if (flags & 0x01) {
                    const int bits = int(UB(5));
                    s.penX = SB(bits);
                    s.penY = SB(bits);
                    ++s.moves;
                }
                if (flags & 0x02) UB(fillBits);
                if (flags & 0x04) UB(fillBits);
                if (flags & 0x08) UB(lineBits);
                continue;
            }
            const bool straight = UB(1) == 1;
            const int bits = int(UB(4)) + 2;
            int64_t d[4] = {0, 0, 0, 0};
            if (straight) {
                if (UB(1) == 1) {
                    d[0] = SB(bits);
                    d[1] = SB(bits);
                } else if (UB(1) == 1) {
                    d[1] = SB(bits);
                } else {
                    d[0] = SB(bits);
                }
                ++s.edges;
            } else {
                for (auto& v : d) v = SB(bits);
                ++s.curves;
            }
            for (auto v : d) s.largestDelta = std::max<int64_t>(s.largestDelta, std::llabs(v));
            s.penX += d[0] + d[2];
            s.penY += d[1] + d[3];
        }
        return s;
    }

private:
    uint32_t UB(int n)
    {
        uint32_t v = 0;
        for (int i = 0; i < n; ++i) {
            const size_t byte = bit_ / 8;
            const int bit = (bytes_.at(byte) >> (7 - bit_ % 8)) & 1;
            v = (v << 1) | uint32_t(bit);
            ++bit_;
        }
        return v;
    }
    int64_t SB(int n)
    {
        if (n == 0) return 0;
        const uint32_t raw = UB(n);
        const uint64_t sign = uint64_t(1) << (n - 1);
        return int64_t((uint64_t(raw) ^ sign)) - int64_t(sign);
    }

    const std::vector<uint8_t>& bytes_;
    size_t bit_ = 0;
};

struct EdgeCase {
    const char* name;
    int32_t x, y;
    int expectedEdges;
};

TEST(ShapeRecordWriter, SplitsLongEdgesAndEndsExactly)
{
    const EdgeCase cases[] = {
        {"short general edge", 300, -200, 1},
        {"vertical", 0, 5000, 1},
        {"exactly the limit", 65535, 0, 1},
        {"one past the limit", 65536, 0, 2},
        {"long diagonal", 200001, -130001, 4},
        {"most negative", -1000000, 7, 16},
    };
    for (const EdgeCase& c : cases) {
        BitWriter out;
        ShapeRecordWriter writer(out, 1, 0);
        writer.StyleChange(std::make_pair(0, 0), 1u, std::nullopt);
        writer.LineTo(c.x, c.y);
        writer.End();
        const auto summary = EdgeReader(out.Data()).Read();
        EXPECT_TRUE(summary.ended) << c.name;
        EXPECT_EQ(summary.edges, c.expectedEdges) << c.name;
        EXPECT_EQ(summary.penX, c.x) << c.name;
        EXPECT_EQ(summary.penY, c.y) << c.name;
        EXPECT_LE(summary.largestDelta, ShapeRecordWriter::kMaxEdgeDelta) << c.name;
    }
}

TEST(ShapeRecordWriter, SplitsLongCurvesAndEndsExactly)
{
    BitWriter out;
    ShapeRecordWriter writer(out, 1, 0);
    writer.StyleChange(std::make_pair(-10, 20), 1u, std::nullopt);
    writer.CurveTo(150000, -90000, 300001, 7);
    writer.End();
    const auto summary = EdgeReader(out.Data()).Read();
    EXPECT_TRUE(summary.ended);
    EXPECT_GT(summary.curves, 1);
    EXPECT_EQ(summary.penX, 300001);
    EXPECT_EQ(summary.penY, 7);
    EXPECT_LE(summary.largestDelta, ShapeRecordWriter::kMaxEdgeDelta);
}

TEST(GlyphShape, ClosesEveryContourAndStartsWithOneFill)
{
    GlyphOutline outline;
    Contour open;  // its last segment does not come back to the start
    open.start = {10, -100};
    open.segments.push_back({false, {}, {110, -100}});
    open.segments.push_back({true, {150, -50}, {110, 0}});
    outline.contours.push_back(open);
    outline.advance = 200;
    const auto bytes = EncodeGlyphShape(outline);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes[0], 0x10);  // one fill bit, no line bits
    const auto summary = EdgeReader(bytes).Read();
    EXPECT_TRUE(summary.ended);
    EXPECT_EQ(summary.moves, 1);
    EXPECT_EQ(summary.curves, 1);
    EXPECT_EQ(summary.edges, 2);  // the line and the closing edge
    EXPECT_EQ(summary.penX, 10);
    EXPECT_EQ(summary.penY, -100);
    EXPECT_EQ(OutlineBounds(outline), (Rect{10, 150, -100, 0}));
}

TEST(GlyphShape, EmptyOutlineIsJustTheEndRecord)
{
    const auto bytes = EncodeGlyphShape(GlyphOutline{});
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0x10, 0x00}));
    EXPECT_EQ(OutlineBounds(GlyphOutline{}), Rect{});
}

}  // namespace
}  // namespace glimmora::swf
