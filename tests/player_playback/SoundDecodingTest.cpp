// DefineSound decoding against samples worked out by hand: PCM of both
// sizes, ADPCM of each code size in mono and stereo, and the conversion to
// the mixer's 44.1 kHz stereo.

#include "MovieFixtures.h"

#include "player/playback/AdpcmDecoder.h"
#include "player/playback/SoundDecoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace glimmora::test {
namespace {

using player::DecodeSound;
using player::PcmSound;

swf::Sound Raw(uint8_t format, bool is16, bool stereo, uint32_t count, std::vector<uint8_t> data,
               uint32_t rate = 22050)
{
    swf::Sound sound;
    sound.format = format;
    sound.rate = rate;
    sound.is16Bit = is16;
    sound.stereo = stereo;
    sound.sampleCount = count;
    sound.data = std::move(data);
    return sound;
}

TEST(PcmDecoding, BothPcmFormatsDecodeBothSampleSizes)
{
    struct Case {
        const char* name;
        swf::Sound sound;
        int channels;
        std::vector<int16_t> expected;
    };
    const Case cases[] = {
        {"8-bit unsigned, 128 is silence", Raw(3, false, false, 3, {0, 128, 255}), 1, {-32768, 0, 32512}},
        {"16-bit little-endian", Raw(3, true, false, 2, {0x34, 0x12, 0xff, 0xff}), 1, {0x1234, -1}},
        {"format 0 reads as little-endian", Raw(0, true, false, 1, {0x00, 0x80}), 1, {-32768}},
        {"stereo counts pairs", Raw(3, true, true, 1, {1, 0, 2, 0}), 2, {1, 2}},
        {"data shorter than the count", Raw(3, true, false, 10, {1, 0, 2}), 1, {1}},
        {"count shorter than the data", Raw(3, false, false, 1, {200, 100}), 1, {72 * 256}},
        {"half a stereo pair is dropped", Raw(3, false, true, 2, {128, 128, 129}), 2, {0, 0}},
    };
    for (const Case& c : cases) {
        const PcmSound pcm = DecodeSound(c.sound);
        EXPECT_EQ(pcm.channels, c.channels) << c.name;
        EXPECT_EQ(pcm.rate, 22050u) << c.name;
        EXPECT_EQ(pcm.samples, c.expected) << c.name;
    }
}

// Writes bit fields most significant bit first, as ADPCM streams are packed.
class BitWriter {
public:
    void Put(uint32_t value, int bits)
    {
        for (int i = bits - 1; i >= 0; --i) {
            if (count_ % 8 == 0) bytes_.push_back(0);
            if ((value >> i) & 1u) bytes_.back() |= uint8_t(0x80u >> (count_ % 8));
            ++count_;
        }
    }
    std::vector<uint8_t> Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    size_t count_ = 0;
};

swf::Sound Adpcm(bool stereo, uint32_t count, const BitWriter& bits)
{
    return Raw(1, true, stereo, count, bits.Bytes());
}

TEST(AdpcmDecoding, HandWorkedCodesOfEachSize)
{
    struct Case {
        const char* name;
        int codeBits;
        int16_t first;
        int index;
        std::vector<uint32_t> codes;
        std::vector<int16_t> expected;
    };
    const Case cases[] = {
        // step 7: 0111 -> 7 + 3 + 1 + 0 = 11, index 8 (step 16);
        // 1000 -> -(16 >> 3) = -2, index 7.
        {"4-bit", 4, 0, 0, {0b0111, 0b1000}, {0, 11, 9}},
        // step 19: 01 -> 19 + 9 = 28, index 12 (step 23); 11 -> -(23 + 11),
        // index 14 (step 28); 00 -> 28 >> 1 = 14.
        {"2-bit", 2, 100, 10, {0b01, 0b11, 0b00}, {100, 128, 94, 108}},
        // step 7: 011 -> 7 + 3 + 1 = 11, index 4 (step 11); 100 -> -(11 >> 2) = -2.
        {"3-bit", 3, -5, 0, {0b011, 0b100}, {-5, 6, 4}},
        // step 7: 01111 -> 7 + 3 + 1 + 0 = 11, index 16 (step 34);
        // 10000 -> -(34 >> 4) = -2.
        {"5-bit", 5, 0, 0, {0b01111, 0b10000}, {0, 11, 9}},
    };
    for (const Case& c : cases) {
        BitWriter bits;
        bits.Put(uint32_t(c.codeBits - 2), 2);
        bits.Put(uint16_t(c.first), 16);
        bits.Put(uint32_t(c.index), 6);
        for (uint32_t code : c.codes) bits.Put(code, c.codeBits);
        const PcmSound pcm = DecodeSound(Adpcm(false, uint32_t(c.expected.size()), bits));
        EXPECT_EQ(pcm.channels, 1) << c.name;
        EXPECT_EQ(pcm.samples, c.expected) << c.name;
    }
}

TEST(AdpcmDecoding, StereoInterleavesBothHeadersThenBothCodes)
{
    BitWriter bits;
    bits.Put(2, 2);                    // 4-bit codes
    bits.Put(0, 16), bits.Put(0, 6);   // left: 0, step 7
    bits.Put(1000, 16), bits.Put(0, 6);  // right: 1000, step 7
    bits.Put(0b0111, 4);               // left +11
    bits.Put(0b1111, 4);               // right -11
    const PcmSound pcm = DecodeSound(Adpcm(true, 2, bits));
    EXPECT_EQ(pcm.channels, 2);
    EXPECT_EQ(pcm.samples, (std::vector<int16_t>{0, 1000, 11, 989}));
}

TEST(AdpcmDecoding, ANewPacketHeaderFollowsEvery4095Codes)
{
    BitWriter bits;
    bits.Put(0, 2);  // 2-bit codes
    bits.Put(0, 16), bits.Put(0, 6);
    for (int i = 0; i < 4095; ++i) bits.Put(0b00, 2);  // +3, +3... from step 7 then shrinking
    bits.Put(uint16_t(-1234), 16), bits.Put(5, 6);      // second packet's first sample
    bits.Put(0b00, 2);
    const PcmSound pcm = DecodeSound(Adpcm(false, 4098, bits));
    ASSERT_EQ(pcm.samples.size(), 4098u);
    EXPECT_EQ(pcm.samples[4096], -1234);
    // step index 5 is 12: 00 adds 12 >> 1 = 6.
    EXPECT_EQ(pcm.samples[4097], -1228);
}

TEST(AdpcmDecoding, AStreamThatEndsEarlyGivesWhatItHolds)
{
    BitWriter bits;
    bits.Put(2, 2);
    bits.Put(7, 16), bits.Put(0, 6);
    bits.Put(0b0111, 4);  // +11, index 8 (step 16)
    bits.Put(0b1111, 4);  // -(16 + 8 + 4 + 2)
    EXPECT_EQ(DecodeSound(Adpcm(false, 50, bits)).samples, (std::vector<int16_t>{7, 18, -12}));
    EXPECT_TRUE(DecodeSound(Adpcm(false, 50, BitWriter{})).samples.empty());
}

TEST(AdpcmDecoding, SamplesSaturateInsteadOfWrapping)
{
    BitWriter bits;
    bits.Put(2, 2);
    bits.Put(32760, 16), bits.Put(88, 6);  // step 32767
    bits.Put(0b0111, 4);
    EXPECT_EQ(DecodeSound(Adpcm(false, 2, bits)).samples, (std::vector<int16_t>{32760, 32767}));
}

TEST(SoundDecoding, UnsupportedOrBrokenSoundsAreErrorsNotCrashes)
{
    EXPECT_THROW(DecodeSound(Raw(6, true, false, 10, {1, 2, 3})), player::SoundDecodeError);
    EXPECT_THROW(DecodeSound(Raw(3, true, false, 1, {1, 2}, 0)), player::SoundDecodeError);
    EXPECT_THROW(DecodeSound(Raw(2, true, false, 1000, {0, 0, 1, 2, 3, 4, 5})), player::SoundDecodeError);
    EXPECT_THROW(DecodeSound(Raw(2, true, false, 1000, {})), player::SoundDecodeError);
}

TEST(MixFormat, RatesBecome44100StereoByLinearInterpolation)
{
    struct Case {
        const char* name;
        PcmSound pcm;
        std::vector<int16_t> expected;
    };
    const Case cases[] = {
        {"44100 mono is copied to both sides", {44100, 1, {5, -7}}, {5, 5, -7, -7}},
        {"44100 stereo is unchanged", {44100, 2, {1, 2, 3, 4}}, {1, 2, 3, 4}},
        {"22050 doubles with midpoints", {22050, 1, {0, 1000}}, {0, 0, 500, 500, 1000, 1000, 1000, 1000}},
        {"11025 quarters", {11025, 1, {0, 400}},
         {0, 0, 100, 100, 200, 200, 300, 300, 400, 400, 400, 400, 400, 400, 400, 400}},
        {"5512 is an exact eighth", {5512, 2, {0, 800}},
         {0, 800, 0, 800, 0, 800, 0, 800, 0, 800, 0, 800, 0, 800, 0, 800}},
        {"nothing gives nothing", {22050, 1, {}}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(player::ToMixFormat(c.pcm), c.expected) << c.name;
    }
    // Rates that do not divide 44100 keep the duration.
    PcmSound odd{48000, 1, std::vector<int16_t>(48000, 100)};
    const auto out = player::ToMixFormat(odd);
    EXPECT_NEAR(double(out.size()) / 2, 44100.0, 1.0);
}

TEST(MixFormat, DecodingStopsAtItsBoundWhateverTheSoundDeclares)
{
    // 40000 frames of 5.5 kHz 8-bit stereo would be 320000 frames at 44.1 kHz.
    const swf::Sound pcm = Raw(3, false, true, 0xFFFFFFFFu, std::vector<uint8_t>(80000, 129), 5512);
    BitWriter adpcmBits;
    adpcmBits.Put(0, 2);
    adpcmBits.Put(0, 16), adpcmBits.Put(0, 6);
    for (int i = 0; i < 4000; ++i) adpcmBits.Put(0b00, 2);
    const swf::Sound adpcm = Raw(1, true, false, 0xFFFFFFFFu, adpcmBits.Bytes(), 11025);
    struct Case {
        const char* name;
        const swf::Sound& sound;
    };
    const Case cases[] = {{"PCM", pcm}, {"ADPCM", adpcm}};
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeSound(c.sound, 50).FrameCount(), 50u) << c.name;
        const std::vector<int16_t> mixed = player::DecodeForMix(c.sound, 1000);
        EXPECT_EQ(mixed.size(), 2000u) << c.name;
        const std::vector<int16_t> whole = player::ToMixFormat(DecodeSound(c.sound));
        ASSERT_GT(whole.size(), mixed.size()) << c.name;
        EXPECT_TRUE(std::equal(mixed.begin(), mixed.end(), whole.begin())) << c.name << ": the same start";
        EXPECT_EQ(player::DecodeForMix(c.sound, whole.size()), whole) << c.name << ": a bound past the end";
    }
}

}  // namespace
}  // namespace glimmora::test
