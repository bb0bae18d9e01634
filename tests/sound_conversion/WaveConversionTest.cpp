#include "effects/sound/conversion/PcmEncoding.h"
#include "effects/sound/conversion/SoundError.h"
#include "effects/sound/conversion/WaveFile.h"
#include "effects/sound/conversion/WaveWriter.h"

#include "support/SoundFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace glimmora {
namespace {

using test::SineSpec;

constexpr int kTargetRate = 22050;
constexpr int kBlockFrames = 8192;  // the conversion's block, in source frames

struct LayoutCase {
    const char* name;
    SineSpec fixture;
};

SineSpec Sine(int rate, int channels, int bits, double seconds = 1.0)
{
    SineSpec s;
    s.rate = rate;
    s.channels = channels;
    s.bits = bits;
    s.seconds = seconds;
    return s;
}

std::vector<std::pair<std::uint64_t, std::uint64_t>> ConvertRecording(const std::filesystem::path& source,
                                                                       const std::filesystem::path& destination,
                                                                       int bits)
{
    WaveFile wave;
    wave.SetFileName(source);
    wave.SetSelectionEnd(std::int64_t(wave.DataSize()) - 1);
    std::vector<std::pair<std::uint64_t, std::uint64_t>> calls;
    wave.OnProgress = [&](std::uint64_t cur, std::uint64_t num, bool&) { calls.emplace_back(cur, num); };
    EXPECT_EQ(wave.ConvertToFile(destination, BuildPcmFormat(bits, 1, kTargetRate)), ConversionOutcome::Completed);
    return calls;
}

class WaveConversionLayoutTest : public testing::TestWithParam<LayoutCase> {
protected:
    test::TempDir dir;
};

TEST_P(WaveConversionLayoutTest, BecomesMonoAt22050WithTheSourceBitsAndKeepsTheSine)
{
    const SineSpec& fixture = GetParam().fixture;
    const auto source = dir / "source sound.wav";
    const auto target = dir / "converted.wav";
    test::WriteSineWave(source, fixture);
    ConvertRecording(source, target, fixture.bits);

    const test::WrittenWave w = test::InspectWritten(target);
    EXPECT_EQ(w.tag, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.rate, std::uint32_t(kTargetRate));
    EXPECT_EQ(w.bits, fixture.bits);
    EXPECT_EQ(w.blockAlign, fixture.bits / 8);
    EXPECT_EQ(w.bytesPerSecond, std::uint32_t(kTargetRate * fixture.bits / 8));
    EXPECT_EQ(w.riffSize + 8, w.fileSize);

    // The duration is kept: the frames expected at the new rate, within one
    // block of the conversion.
    const double expectedFrames = fixture.seconds * kTargetRate;
    const double blockAtTarget = double(kBlockFrames) * kTargetRate / fixture.rate;
    const std::vector<float> samples = test::ReadMonoSamples(target);
    EXPECT_EQ(std::uint64_t(w.dataSize), samples.size() * (fixture.bits / 8));
    EXPECT_NEAR(double(samples.size()), expectedFrames, blockAtTarget);
    EXPECT_NEAR(double(samples.size()), expectedFrames, 2.0) << "the filter's delay is not drained or trimmed";

    // A 1 kHz sine crosses zero 2000 times a second at any rate; the mix of
    // equal channels keeps its amplitude.
    EXPECT_NEAR(test::CountZeroCrossings(samples), 2 * fixture.hz * fixture.seconds, 3);
    EXPECT_NEAR(test::Peak(samples), fixture.amplitude, 0.03);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, WaveConversionLayoutTest,
    testing::Values(LayoutCase{"Stereo44k16", Sine(44100, 2, 16)}, LayoutCase{"Mono11k8", Sine(11025, 1, 8)},
                    LayoutCase{"Mono8k8", Sine(8000, 1, 8)}, LayoutCase{"Stereo48k24", Sine(48000, 2, 24)},
                    LayoutCase{"Mono32k32", Sine(32000, 1, 32)}, LayoutCase{"SixChannels44k16", Sine(44100, 6, 16)},
                    LayoutCase{"Mono22kUnchangedRate", Sine(22050, 1, 16)},
                    LayoutCase{"LongerThanManyBlocks", Sine(44100, 2, 16, 3.5)}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

class WaveConversionTest : public testing::Test {
protected:
    test::TempDir dir;
};

TEST_F(WaveConversionTest, ChannelsAreAveragedNotPicked)
{
    SineSpec fixture = Sine(44100, 2, 16);
    fixture.invertOddChannels = true;  // left + right cancel out
    test::WriteSineWave(dir / "opposed.wav", fixture);
    ConvertRecording(dir / "opposed.wav", dir / "mono.wav", 16);
    const std::vector<float> samples = test::ReadMonoSamples(dir / "mono.wav");
    ASSERT_FALSE(samples.empty());
    EXPECT_LT(test::Peak(samples), 0.001);
}

TEST_F(WaveConversionTest, AFullScaleSquareClipsAndNeverWraps)
{
    // A 441 Hz square from the lowest to the highest 16-bit value: the
    // filter's overshoot at every edge goes past full scale, which must clip
    // at the ends of the range instead of wrapping round to the other end.
    constexpr int kRate = 44100, kHalfPeriod = 50;
    std::vector<float> square(std::size_t(kRate) * 2);  // one second, two channels
    for (std::size_t n = 0; n < square.size(); ++n) square[n] = (n / 2 / kHalfPeriod) % 2 ? -1.0f : 1.0f;
    std::vector<std::uint8_t> bytes;
    EncodePcm(square.data(), square.size(), 16, bytes);
    WaveWriter writer(dir / "square.wav", BuildPcmFormat(16, 2, kRate));
    writer.Write(bytes);
    writer.Finish();

    ConvertRecording(dir / "square.wav", dir / "out.wav", 16);
    const std::vector<std::uint8_t> out = test::ReadBytes(dir / "out.wav");
    ASSERT_EQ(out.size(), 44u + 2 * std::size_t(kRate / 2));
    int clippedHigh = 0, clippedLow = 0;
    for (std::size_t m = 0; m < std::size_t(kRate / 2); ++m) {
        const int sample = std::int16_t(out[44 + 2 * m] | out[45 + 2 * m] << 8);
        clippedHigh += sample == 32767;
        clippedLow += sample == -32768;
        // Each output sample m stands for input 2m: inside each half of the
        // period (away from its edges) the sign is the square's.
        const std::size_t phase = (2 * m) % (2 * kHalfPeriod);
        if (phase > 6 && phase < kHalfPeriod - 6) {
            ASSERT_GT(sample, 30000) << m;
        } else if (phase > kHalfPeriod + 6 && phase < 2 * kHalfPeriod - 6) {
            ASSERT_LT(sample, -30000) << m;
        }
    }
    EXPECT_GT(clippedHigh, 100);
    EXPECT_GT(clippedLow, 100);
}

TEST_F(WaveConversionTest, EightBitSamplesStayUnsignedAroundTheMiddle)
{
    test::WriteSineWave(dir / "eight.wav", Sine(11025, 1, 8));
    ConvertRecording(dir / "eight.wav", dir / "out.wav", 8);
    const std::vector<std::uint8_t> bytes = test::ReadBytes(dir / "out.wav");
    ASSERT_GT(bytes.size(), 44u + 100u);
    // A half-scale sine as unsigned bytes lies within 64..192; signed bytes
    // would wrap to both ends of 0..255.
    const auto [low, high] = std::minmax_element(bytes.begin() + 44, bytes.end());
    EXPECT_GE(*low, 128 - 70);
    EXPECT_LE(*high, 128 + 70);
    EXPECT_LT(*low, 128 - 50);
    EXPECT_GT(*high, 128 + 50);
}

TEST_F(WaveConversionTest, ConvertsAFileIntoItselfWithProgressUpToTheWhole)
{
    const auto file = dir / "in place.wav";
    test::WriteSineWave(file, Sine(44100, 2, 16, 2.0));
    const auto calls = ConvertRecording(file, file, 16);

    ASSERT_GT(calls.size(), 5u);
    const std::uint64_t total = 2 * 44100 * 4;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].second, total);
        if (i) {
            EXPECT_GT(calls[i].first, calls[i - 1].first);
        }
    }
    EXPECT_EQ(calls.back().first, total);
    EXPECT_EQ(WaveProgressPercent(calls.back().first, calls.back().second), 100);

    const test::WrittenWave w = test::InspectWritten(file);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.rate, 22050u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << "a scratch file was left";
}

TEST_F(WaveConversionTest, ASelectionConvertsOnlyItsRange)
{
    test::WriteSineWave(dir / "two seconds.wav", Sine(44100, 1, 16, 2.0));
    WaveFile wave;
    wave.SetFileName(dir / "two seconds.wav");
    wave.SetSelectionEnd(std::int64_t(wave.DataSize() / 2) - 1);
    ASSERT_EQ(wave.ConvertToFile(dir / "half.wav", BuildPcmFormat(16, 1, kTargetRate)), ConversionOutcome::Completed);
    EXPECT_NEAR(double(test::ReadMonoSamples(dir / "half.wav").size()), kTargetRate, 2.0);
}

TEST_F(WaveConversionTest, CancelLeavesTheDestinationAndNoScratch)
{
    test::WriteSineWave(dir / "source.wav", Sine(44100, 2, 16, 2.0));
    const std::vector<std::uint8_t> old = {'o', 'l', 'd'};
    test::WriteBytes(dir / "dest.wav", old);
    WaveFile wave;
    wave.SetFileName(dir / "source.wav");
    int calls = 0;
    wave.OnProgress = [&](std::uint64_t, std::uint64_t, bool& cancel) { cancel = ++calls == 2; };
    EXPECT_EQ(wave.ConvertToFile(dir / "dest.wav", BuildPcmFormat(16, 1, kTargetRate)), ConversionOutcome::Cancelled);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(test::ReadBytes(dir / "dest.wav"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2) << "a scratch file was left";
}

TEST_F(WaveConversionTest, TruncatedSampleDataConvertsWhatIsThere)
{
    test::WriteSineWave(dir / "whole.wav", Sine(44100, 2, 16, 2.0));
    std::vector<std::uint8_t> bytes = test::ReadBytes(dir / "whole.wav");
    bytes.resize(bytes.size() / 2);  // the data chunk still claims two seconds
    test::WriteBytes(dir / "cut.wav", bytes);

    WaveFile wave;
    wave.SetFileName(dir / "cut.wav");
    std::uint64_t lastCur = 0, lastNum = 0;
    wave.OnProgress = [&](std::uint64_t cur, std::uint64_t num, bool&) { lastCur = cur, lastNum = num; };
    ASSERT_EQ(wave.ConvertToFile(dir / "out.wav", BuildPcmFormat(16, 1, kTargetRate)), ConversionOutcome::Completed);
    EXPECT_EQ(lastCur, lastNum);
    const double seconds = double(bytes.size() - 44) / (44100 * 4);
    EXPECT_NEAR(double(test::ReadMonoSamples(dir / "out.wav").size()), seconds * kTargetRate, 2.0);
}

TEST_F(WaveConversionTest, RefusesWhatItCannotConvert)
{
    test::WriteAdpcmWave(dir / "adpcm.wav");
    test::WriteSineWave(dir / "pcm.wav", Sine(44100, 2, 16));
    WaveFile wave;
    EXPECT_THROW(wave.ConvertToFile(dir / "out.wav", BuildPcmFormat(16, 1, kTargetRate)), SoundError) << "nothing open";
    wave.SetFileName(dir / "adpcm.wav");
    EXPECT_EQ(wave.FormatTag(), 0x11);
    EXPECT_THROW(wave.ConvertToFile(dir / "out.wav", BuildPcmFormat(4, 1, kTargetRate)), SoundError) << "not PCM";
    wave.SetFileName(dir / "pcm.wav");
    EXPECT_THROW(wave.ConvertToFile(dir / "out.wav", BuildPcmFormat(12, 1, kTargetRate)), SoundError) << "12 bits";
    EXPECT_THROW(wave.ConvertToFile(dir / "out.wav", BuildPcmFormat(16, 3, kTargetRate)), SoundError) << "2 to 3 channels";
    EXPECT_THROW(wave.ConvertToFile(dir / "no folder" / "out.wav", BuildPcmFormat(16, 1, kTargetRate)), SoundError);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.wav"));
}

TEST_F(WaveConversionTest, AFailedOpenKeepsTheEarlierFile)
{
    test::WriteSineWave(dir / "pcm.wav", Sine(44100, 2, 16));
    test::WriteBytes(dir / "text.wav", {'n', 'o', 't', ' ', 's', 'o', 'u', 'n', 'd', '.', '.', '.', '.'});
    WaveFile wave;
    wave.SetFileName(dir / "pcm.wav");
    EXPECT_THROW(wave.SetFileName(dir / "text.wav"), SoundError);
    EXPECT_THROW(wave.SetFileName(dir / "missing.wav"), SoundError);
    EXPECT_THROW(wave.SetFileName(dir.Path()), SoundError);
    EXPECT_EQ(wave.FileName(), dir / "pcm.wav");
    EXPECT_EQ(wave.Format().channels, 2);
    EXPECT_EQ(wave.DataSize(), 44100u * 4);
}

}  // namespace
}  // namespace glimmora
