// Samples from -1..1 to PCM bytes: rounded to the nearest step (ties to
// even), clipped at the ends of the range, NaN at the lowest value, 8-bit
// samples unsigned, the others little-endian two's complement.

#include "effects/sound/conversion/ChannelMix.h"
#include "effects/sound/conversion/PcmEncoding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace glimmora {
namespace {

std::int64_t Decoded(const std::vector<std::uint8_t>& bytes, int bits)
{
    if (bits == 8) return std::int64_t(bytes[0]) - 128;
    std::uint64_t u = 0;
    for (std::size_t b = 0; b < bytes.size(); ++b) u |= std::uint64_t(bytes[b]) << (8 * b);
    const std::uint64_t sign = std::uint64_t(1) << (bits - 1);
    return std::int64_t(u ^ sign) - std::int64_t(sign);
}

TEST(PcmEncoding, SamplesRoundToTheNearestStepTiesToEvenAndClipAtTheEnds)
{
    constexpr float kInf = std::numeric_limits<float>::infinity();
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    const struct {
        int bits;
        float sample;
        std::int64_t expected;
    } cases[] = {
        {16, 0.0f, 0}, {16, -0.0f, 0}, {16, 0.5f / 32768, 0}, {16, 1.5f / 32768, 2}, {16, 2.5f / 32768, 2},
        {16, -0.5f / 32768, 0}, {16, -1.5f / 32768, -2}, {16, 0.6f / 32768, 1}, {16, -0.6f / 32768, -1},
        {16, 0.5f, 16384}, {16, -1.0f, -32768}, {16, 1.0f, 32767}, {16, 32767.5f / 32768, 32767},
        {16, -1.5f, -32768}, {16, 3.0f, 32767}, {16, kInf, 32767}, {16, -kInf, -32768}, {16, kNaN, -32768},
        {8, 0.5f / 128, 0}, {8, 1.5f / 128, 2}, {8, 1.0f, 127}, {8, -1.0f, -128}, {8, kNaN, -128},
        {24, 2.5f / 8388608, 2}, {24, 1.0f, 8388607}, {24, -2.0f, -8388608},
        {32, 1.0f, 2147483647}, {32, -1.0f, -2147483648LL}, {32, 0.25f, 536870912},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> bytes;
        EncodePcm(&c.sample, 1, c.bits, bytes);
        ASSERT_EQ(bytes.size(), std::size_t(c.bits / 8));
        EXPECT_EQ(Decoded(bytes, c.bits), c.expected) << c.bits << " bits, sample " << c.sample;
    }
}

TEST(PcmEncoding, ABlockEncodesEachSampleAsAloneAfterWhatWasThere)
{
    // Long enough for the vectorised loop's main part and its tail.
    std::vector<float> samples;
    for (int i = 0; i < 37; ++i) samples.push_back(std::sin(float(i)) * 1.2f);
    std::vector<std::uint8_t> block{0xAB};
    EncodePcm(samples.data(), samples.size(), 16, block);
    ASSERT_EQ(block.size(), 1 + 2 * samples.size());
    EXPECT_EQ(block[0], 0xAB);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        std::vector<std::uint8_t> alone;
        EncodePcm(&samples[i], 1, 16, alone);
        EXPECT_EQ(block[1 + 2 * i], alone[0]) << i;
        EXPECT_EQ(block[2 + 2 * i], alone[1]) << i;
    }
}

TEST(ChannelMix, MonoIsTheMeanOfTheChannelsAndMonoIsCopiedToEach)
{
    const std::vector<float> stereo{1.0f, 0.5f, -1.0f, 1.0f, 0.25f, 0.25f};
    std::vector<float> mono;
    MixChannels(stereo.data(), 3, 2, 1, mono);
    EXPECT_EQ(mono, (std::vector<float>{0.75f, 0.0f, 0.25f}));
    const std::vector<float> three{0.3f, 0.6f, 0.9f};
    MixChannels(three.data(), 1, 3, 1, mono);
    ASSERT_EQ(mono.size(), 1u);
    EXPECT_FLOAT_EQ(mono[0], 0.6f);
    std::vector<float> copied;
    MixChannels(mono.data(), 1, 1, 2, copied);
    EXPECT_EQ(copied, (std::vector<float>{mono[0], mono[0]})) << "mono to stereo";
}

}  // namespace
}  // namespace glimmora
