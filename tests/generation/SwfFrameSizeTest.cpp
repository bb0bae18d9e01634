// The movie size from an SWF file's header.

#include "generation/SwfFrameSize.h"
#include "support/TempDir.h"
#include "swf/reader/DecodedMovie.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace glimmora::test {
namespace {

// Packs values most significant bit first.
class Bits {
public:
    void Put(uint32_t value, int count)
    {
        for (int i = count - 1; i >= 0; --i) {
            if (used_ % 8 == 0) bytes.push_back(0);
            if ((value >> i) & 1u) bytes.back() |= uint8_t(0x80 >> (used_ % 8));
            ++used_;
        }
    }
    std::vector<uint8_t> bytes;

private:
    int used_ = 0;
};

// The header fields after the first 8 bytes: frame rectangle, rate, count;
// then an End tag.
std::vector<uint8_t> Body(int bitsPerField, int xMax, int yMax)
{
    Bits bits;
    bits.Put(uint32_t(bitsPerField), 5);
    bits.Put(0, bitsPerField);
    bits.Put(uint32_t(xMax), bitsPerField);
    bits.Put(0, bitsPerField);
    bits.Put(uint32_t(yMax), bitsPerField);
    std::vector<uint8_t> body = bits.bytes;
    for (uint8_t b : {0x00, 0x0C, 0x01, 0x00, 0x00, 0x00}) body.push_back(b);  // 12 fps, 1 frame, End
    return body;
}

std::vector<uint8_t> Swf(const std::vector<uint8_t>& body, bool compressed)
{
    std::vector<uint8_t> file = {uint8_t(compressed ? 'C' : 'F'), 'W', 'S', 8};
    const uint32_t length = uint32_t(8 + body.size());
    for (int i = 0; i < 4; ++i) file.push_back(uint8_t(length >> (8 * i)));
    if (!compressed) {
        file.insert(file.end(), body.begin(), body.end());
        return file;
    }
    uLongf size = compressBound(uLong(body.size()));
    std::vector<uint8_t> packed(size);
    compress2(packed.data(), &size, body.data(), uLong(body.size()), 9);
    file.insert(file.end(), packed.begin(), packed.begin() + long(size));
    return file;
}

std::string Write(const TempDir& dir, const std::vector<uint8_t>& bytes)
{
    const auto path = (dir / "movie.swf").string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
    return path;
}

struct SizeCase {
    int bitsPerField;
    int xMax, yMax;
    bool compressed;
    int width, height;
};

class FrameSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FrameSize, IsTheRectangleMaximumInWholePixels)
{
    TempDir dir;
    const SizeCase& c = GetParam();
    const std::string path = Write(dir, Swf(Body(c.bitsPerField, c.xMax, c.yMax), c.compressed));
    EXPECT_EQ(SwfFrameWidth(path), c.width);
    EXPECT_EQ(SwfFrameHeight(path), c.height);
}

INSTANTIATE_TEST_SUITE_P(Cases, FrameSize,
                         ::testing::Values(SizeCase{15, 11000, 8000, false, 550, 400},
                                           SizeCase{15, 11000, 8000, true, 550, 400},
                                           SizeCase{16, 6419, 4819, false, 320, 240},  // integer division
                                           SizeCase{31, 400000, 20, false, 20000, 1}));

TEST(FrameSizeErrors, NotAnSwfOrCutShortIsAnError)
{
    TempDir dir;
    const std::string text = Write(dir, {'h', 'e', 'l', 'l', 'o'});
    EXPECT_THROW(SwfFrameWidth(text), swf::DecodeError);
    std::vector<uint8_t> cut = Swf(Body(15, 11000, 8000), false);
    cut.resize(10);
    const std::string shortFile = Write(dir, cut);
    EXPECT_THROW(SwfFrameHeight(shortFile), swf::DecodeError);
    EXPECT_THROW(SwfFrameWidth((dir / "missing.swf").string()), std::exception);
}

}  // namespace
}  // namespace glimmora::test
