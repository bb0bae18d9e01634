// MP3 sounds through libmpg123: a tone encoded by the LAME command-line
// encoder (skipped where it is not installed) decodes to the tone's length,
// rate and level, and the leading seek samples are dropped.

#include "player/playback/SoundDecoding.h"
#include "support/ProcessRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace glimmora::test {
namespace {

void Put16(std::ofstream& out, uint16_t v) { out.put(char(v & 0xff)).put(char(v >> 8)); }
void Put32(std::ofstream& out, uint32_t v) { Put16(out, uint16_t(v)), Put16(out, uint16_t(v >> 16)); }

// Mono 16-bit PCM WAV: a 440 Hz sine at half scale.
void WriteTone(const std::filesystem::path& file, int rate, int samples)
{
    std::ofstream out(file, std::ios::binary);
    out.write("RIFF", 4), Put32(out, uint32_t(36 + samples * 2)), out.write("WAVEfmt ", 8);
    Put32(out, 16), Put16(out, 1), Put16(out, 1), Put32(out, uint32_t(rate)), Put32(out, uint32_t(rate * 2));
    Put16(out, 2), Put16(out, 16), out.write("data", 4), Put32(out, uint32_t(samples * 2));
    for (int i = 0; i < samples; ++i) {
        Put16(out, uint16_t(int16_t(16000 * std::sin(2 * M_PI * 440 * i / rate))));
    }
}

swf::Sound Mp3Sound(const std::vector<uint8_t>& mp3, int16_t seek, uint32_t count)
{
    swf::Sound sound;
    sound.format = 2;
    sound.rate = 22050;
    sound.is16Bit = true;
    sound.sampleCount = count;
    sound.data = {uint8_t(uint16_t(seek) & 0xff), uint8_t(uint16_t(seek) >> 8)};
    sound.data.insert(sound.data.end(), mp3.begin(), mp3.end());
    return sound;
}

TEST(Mp3Decoding, AnEncodedToneDecodesToItsRateLengthAndLevel)
{
    if (!std::filesystem::exists("/usr/bin/lame")) GTEST_SKIP() << "the lame encoder is not installed";
    TempDir dir;
    WriteTone(dir / "tone.wav", 22050, 22050);
    const ProcessResult run =
        RunProcess({"/usr/bin/lame", "--quiet", "-b", "64", (dir / "tone.wav").string(), (dir / "tone.mp3").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::ifstream in(dir / "tone.mp3", std::ios::binary);
    const std::vector<uint8_t> mp3{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

    const player::PcmSound whole = player::DecodeSound(Mp3Sound(mp3, 0, 22050));
    EXPECT_EQ(whole.rate, 22050u);
    EXPECT_EQ(whole.channels, 1);
    EXPECT_EQ(whole.FrameCount(), 22050u) << "the declared count bounds the sound";
    int peak = 0;
    for (size_t i = 5000; i < 15000; ++i) peak = std::max(peak, std::abs(int(whole.samples[i])));
    EXPECT_NEAR(peak, 16000, 1600) << "the tone's level survives";

    const player::PcmSound skipped = player::DecodeSound(Mp3Sound(mp3, 1000, 0));
    const player::PcmSound unskipped = player::DecodeSound(Mp3Sound(mp3, 0, 0));
    ASSERT_EQ(skipped.FrameCount() + 1000, unskipped.FrameCount());
    EXPECT_TRUE(std::equal(skipped.samples.begin(), skipped.samples.begin() + 100, unskipped.samples.begin() + 1000));

    // A damaged tail keeps what decodes before it.
    std::vector<uint8_t> cut(mp3.begin(), mp3.begin() + ptrdiff_t(mp3.size() / 2));
    const player::PcmSound half = player::DecodeSound(Mp3Sound(cut, 0, 22050));
    EXPECT_GT(half.FrameCount(), 5000u);
    EXPECT_LT(half.FrameCount(), 22050u);
}

}  // namespace
}  // namespace glimmora::test
