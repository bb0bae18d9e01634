// Damaged pictures and sounds, made by flipping and cutting bytes of good
// ones: each is either accepted or refused with SwfError, never a crash.

#include "TestMedia.h"

#include "swf/SwfService.h"
#include "swf/encoder/JpegInspector.h"
#include "swf/encoder/WaveInspector.h"

#include <gtest/gtest.h>

#include <random>

namespace glimmora::test {
namespace {

std::vector<uint8_t> Mutate(const std::vector<uint8_t>& good, std::mt19937& random)
{
    std::vector<uint8_t> bytes = good;
    const int flips = 1 + int(random() % 8);
    for (int i = 0; i < flips && !bytes.empty(); ++i) {
        bytes[random() % bytes.size()] = uint8_t(random());
    }
    if (random() % 3 == 0) {
        bytes.resize(random() % (bytes.size() + 1));
    }
    return bytes;
}

TEST(DamagedInput, WaveFilesAreAcceptedOrRefusedNeverMisread)
{
    const std::vector<uint8_t> good = MakeWave({1, 1, 22050, 16, 64});
    std::mt19937 random(1234);
    int accepted = 0, refused = 0;
    for (int i = 0; i < 3000; ++i) {
        const auto bytes = Mutate(good, random);
        try {
            const swf::WaveSound sound = swf::ParseWave(bytes.data(), bytes.size(), "m.wav");
            EXPECT_LE(sound.samples.size(), bytes.size());
            EXPECT_EQ(sound.samples.size() % 2, 0u);
            ++accepted;
        } catch (const SwfError&) {
            ++refused;
        }
    }
    EXPECT_GT(accepted, 0);
    EXPECT_GT(refused, 0);
}

TEST(DamagedInput, JpegFilesAreAcceptedOrRefusedNeverCrash)
{
    const std::vector<uint8_t> good = MakeJpeg(24, 16);
    std::mt19937 random(99);
    int accepted = 0, refused = 0;
    for (int i = 0; i < 400; ++i) {
        const auto bytes = Mutate(good, random);
        try {
            const swf::JpegSize size = swf::InspectJpeg(bytes.data(), bytes.size(), "m.jpg");
            EXPECT_GT(size.width, 0);
            EXPECT_GT(size.height, 0);
            ++accepted;
        } catch (const SwfError&) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(accepted + refused, 0);
}

}  // namespace
}  // namespace glimmora::test
