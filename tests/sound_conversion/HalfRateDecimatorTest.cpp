// The halving filter on its own, in floats: what it keeps, what it removes,
// how many samples it gives, and that the way the input is split into
// blocks changes nothing.

#include "effects/sound/conversion/HalfRateDecimator.h"
#include "effects/sound/conversion/KaiserLowpass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace glimmora {
namespace {

constexpr double kInputRate = 44100.0;
constexpr double kOutputRate = kInputRate / 2;
constexpr double kRejectionDb = 125.0;

std::vector<float> Tone(double hz, double amplitude, std::size_t count)
{
    std::vector<float> samples(count);
    for (std::size_t n = 0; n < count; ++n)
        samples[n] = float(amplitude * std::sin(2.0 * std::numbers::pi * hz * double(n) / kInputRate));
    return samples;
}

// The whole input in one call, then Finish.
std::vector<float> Halve(const std::vector<float>& in, std::size_t block = 0)
{
    HalfRateDecimator decimator;
    std::vector<float> out;
    if (block == 0) block = std::max<std::size_t>(in.size(), 1);
    for (std::size_t at = 0; at < in.size(); at += block)
        decimator.Process(in.data() + at, std::int64_t(std::min(block, in.size() - at)), out);
    decimator.Finish(out);
    return out;
}

// The level of `hz` in one second of output starting half a second in (a
// whole number of cycles for whole frequencies, so the projection is exact).
double LevelAt(const std::vector<float>& out, double hz)
{
    const std::size_t from = std::size_t(kOutputRate / 2);
    const std::size_t count = std::size_t(kOutputRate);
    double s = 0.0, c = 0.0;
    for (std::size_t m = from; m < from + count; ++m) {
        const double phase = 2.0 * std::numbers::pi * hz * double(m) / kOutputRate;
        s += out[m] * std::sin(phase);
        c += out[m] * std::cos(phase);
    }
    return 2.0 * std::hypot(s, c) / double(count);
}

double Rms(const std::vector<float>& out)
{
    const std::size_t from = std::size_t(kOutputRate / 2);
    const std::size_t count = std::size_t(kOutputRate);
    double sum = 0.0;
    for (std::size_t m = from; m < from + count; ++m) sum += double(out[m]) * out[m];
    return std::sqrt(sum / double(count));
}

double Db(double ratio) { return 20.0 * std::log10(ratio); }

TEST(HalfRateDecimatorTest, GivesHalfTheSamplesRoundedUpWhateverTheBlocks)
{
    const std::vector<float> input = Tone(3000.0, 0.7, 20011);
    const std::vector<float> whole = Halve(input);
    ASSERT_EQ(whole.size(), (input.size() + 1) / 2);
    for (std::size_t block : {1u, 2u, 7u, 31u, 32u, 33u, 1000u, 8193u}) {
        SCOPED_TRACE(block);
        // Bit for bit: a block boundary leaves no click, no gap, no repeat.
        EXPECT_EQ(Halve(input, block), whole);
    }
    for (std::size_t count : {0u, 1u, 2u, 3u, 397u, 398u}) {
        SCOPED_TRACE(count);
        EXPECT_EQ(Halve(std::vector<float>(count, 0.25f)).size(), (count + 1) / 2);
    }
}

TEST(HalfRateDecimatorTest, StartsAgainFromSilenceAfterFinish)
{
    const std::vector<float> input = Tone(440.0, 0.5, 5001);
    HalfRateDecimator decimator;
    std::vector<float> first, second;
    decimator.Process(Tone(9000.0, 1.0, 3333).data(), 3333, first);
    decimator.Finish(first);
    decimator.Process(input.data(), std::int64_t(input.size()), second);
    decimator.Finish(second);
    EXPECT_EQ(second, Halve(input));
}

TEST(HalfRateDecimatorTest, KeepsThePassBandLevelAndAddsNoDelay)
{
    for (double hz : {50.0, 1000.0, 4410.0, 7000.0, 9000.0, 10000.0, 10100.0}) {
        SCOPED_TRACE(hz);
        const std::vector<float> out = Halve(Tone(hz, 0.9, std::size_t(2 * kInputRate)));
        EXPECT_NEAR(Db(LevelAt(out, hz) / 0.9), 0.0, 0.0005);
        // In phase with the input: output m is input 2m, filtered.
        const std::size_t m = std::size_t(kOutputRate / 2) + 7;
        EXPECT_NEAR(out[m], 0.9 * std::sin(2.0 * std::numbers::pi * hz * double(m) / kOutputRate), 1e-4);
    }
}

TEST(HalfRateDecimatorTest, RemovesEverythingThatWouldFoldBack)
{
    // From the new Nyquist frequency up, nothing folds back into the band
    // louder than the designed rejection, nearest the edge included.
    for (double hz : {11025.0, 11100.0, 12000.0, 14000.0, 16537.0, 19000.0, 22000.0}) {
        SCOPED_TRACE(hz);
        const std::vector<float> out = Halve(Tone(hz, 1.0, std::size_t(2 * kInputRate)));
        EXPECT_LT(Db(Rms(out) / std::sqrt(0.5)), -kRejectionDb);
    }
}

TEST(HalfRateDecimatorTest, TheDesignMeetsItsBandEdges)
{
    const std::vector<double>& taps = HalfRateDecimator::Taps();
    ASSERT_EQ(taps.size() % 4, 1u) << "both polyphase branches symmetric";
    for (std::size_t n = 0; n < taps.size(); ++n) ASSERT_EQ(taps[n], taps[taps.size() - 1 - n]);
    double passLow = 0.0, passHigh = -1e9, stop = -1e9;
    for (double hz = 0.0; hz <= 10100.0; hz += 25.0) {
        const double db = Db(LowpassGain(taps, hz / kInputRate));
        passLow = std::min(passLow, db);
        passHigh = std::max(passHigh, db);
    }
    for (double hz = 11025.0; hz <= kOutputRate; hz += 5.0) stop = std::max(stop, Db(LowpassGain(taps, hz / kInputRate)));
    EXPECT_GT(passLow, -0.0001);
    EXPECT_LT(passHigh, 0.0001);
    EXPECT_LT(stop, -kRejectionDb);
    // Half power at 95 % of the new Nyquist frequency or above.
    EXPECT_GT(Db(LowpassGain(taps, 0.95 * 11025.0 / kInputRate)), -3.0);
}

TEST(HalfRateDecimatorTest, SilenceStaysSilence)
{
    const std::vector<float> out = Halve(std::vector<float>(30001, 0.0f), 4099);
    ASSERT_EQ(out.size(), 15001u);
    for (float sample : out) ASSERT_EQ(sample, 0.0f);
}

}  // namespace
}  // namespace glimmora
