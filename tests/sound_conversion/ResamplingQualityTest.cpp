// What the rate conversion keeps and what it removes: tones well inside the
// target's band keep their level and frequency, tones above its Nyquist
// frequency are filtered out instead of folding back as audible aliases.

#include "effects/sound/conversion/WaveFile.h"

#include "support/SoundFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <vector>

namespace glimmora {
namespace {

struct ToneCase {
    const char* name;
    int rate;
    double hz;
    double lowestPeak;   // the converted tone's peak lies in [lowestPeak, highestPeak]
    double highestPeak;
};

class ResamplingQualityTest : public testing::TestWithParam<ToneCase> {
protected:
    test::TempDir dir;
};

TEST_P(ResamplingQualityTest, KeepsTheBandAndRemovesWhatWouldAlias)
{
    const ToneCase& c = GetParam();
    test::SineSpec tone;
    tone.rate = c.rate;
    tone.channels = 2;
    tone.bits = 16;
    tone.seconds = 1.0;
    tone.hz = c.hz;
    tone.amplitude = 0.5;
    test::WriteSineWave(dir / "tone.wav", tone);

    WaveFile wave;
    wave.SetFileName(dir / "tone.wav");
    wave.SetSelectionEnd(std::int64_t(wave.DataSize()) - 1);
    ASSERT_EQ(wave.ConvertToFile(dir / "out.wav", BuildPcmFormat(16, 1, 22050)), ConversionOutcome::Completed);

    std::vector<float> samples = test::ReadMonoSamples(dir / "out.wav");
    ASSERT_GT(samples.size(), 2000u);
    // The filter's start-up and tail are left out of the level.
    samples = std::vector<float>(samples.begin() + 500, samples.end() - 500);
    const float peak = test::Peak(samples);
    EXPECT_GE(peak, c.lowestPeak);
    EXPECT_LE(peak, c.highestPeak);
    if (c.lowestPeak > 0.1) { EXPECT_NEAR(test::CountZeroCrossings(samples), 2 * c.hz * samples.size() / 22050.0, 4); }
}

INSTANTIATE_TEST_SUITE_P(
    Tones, ResamplingQualityTest,
    testing::Values(ToneCase{"Speech300HzFrom44k", 44100, 300, 0.47, 0.53},
                    ToneCase{"Treble6kFrom44k", 44100, 6000, 0.47, 0.53},
                    // Halving keeps the band flat to 10 kHz and stops it
                    // from 11.025 kHz on: to within a 16-bit step.
                    ToneCase{"Treble10kFrom44kKeepsItsLevel", 44100, 10000, 0.4999, 0.5001},
                    ToneCase{"JustAbove11kFrom44kIsRemoved", 44100, 11200, 0.0, 0.0001},
                    ToneCase{"Treble6kFrom48k", 48000, 6000, 0.47, 0.53},
                    // 16 kHz would fold back to 6050 Hz at full level.
                    ToneCase{"Above11kFrom44kIsRemoved", 44100, 16000, 0.0, 0.005},
                    ToneCase{"Above11kFrom48kIsRemoved", 48000, 14000, 0.0, 0.005}),
    [](const testing::TestParamInfo<ToneCase>& info) { return info.param.name; });

}  // namespace
}  // namespace glimmora
