#include "sound-quality/Measures.h"

#include "sound-quality/Spectrum.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace glimmora::quality {

namespace {

std::vector<float> Middle(const std::vector<float>& out)
{
    // Half a second in, up to half a second before the end.
    const std::size_t skip = std::size_t(kOutputRate / 2);
    if (out.size() <= 2 * skip) return out;
    return std::vector<float>(out.begin() + std::ptrdiff_t(skip), out.end() - std::ptrdiff_t(skip));
}

double PowerDb(double ratio) { return 10.0 * std::log10(std::max(ratio, 1e-30)); }

}  // namespace

PassBand MeasurePassBand(const std::vector<float>& in, const std::vector<float>& out, double topHz)
{
    constexpr double kBand = 25.0;
    // Equal lengths in seconds, so bin k is the same frequency in both.
    const std::vector<double> x = PowerSpectrum(in, std::max(in.size(), 2 * out.size()));
    const std::vector<double> y = PowerSpectrum(out, (x.size() - 1));
    const double hzPerBin = kInputRate / double(2 * (x.size() - 1));
    PassBand result;
    double low = 1e9, high = -1e9;
    for (double from = 100.0; from + kBand <= topHz + 1e-9; from += kBand) {
        double sumX = 0.0, sumY = 0.0;
        for (std::size_t k = std::size_t(std::ceil(from / hzPerBin)); double(k) * hzPerBin < from + kBand; ++k) {
            sumX += x[k];
            sumY += y[k];
        }
        // Half the samples: a kept sinusoid's bins are half as high.
        const double gain = PowerDb(4.0 * sumY / sumX);
        low = std::min(low, gain);
        high = std::max(high, gain);
        result.topGainDb = gain;
    }
    result.rippleDb = high - low;
    return result;
}

Aliasing MeasureAliasing(const std::vector<float>& out, const Sweep& sweep)
{
    constexpr std::size_t kFrame = 4096, kHop = 1024;
    const double framePeriod = double(kFrame) / kOutputRate;
    const double sweepRate = (sweep.toHz - sweep.fromHz) / sweep.seconds;
    const double halfBand = sweepRate * framePeriod / 2 + 4 * kOutputRate / double(kFrame);
    std::vector<double> window(kFrame);
    double windowEnergy = 0.0;
    for (std::size_t n = 0; n < kFrame; ++n) {
        window[n] = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * double(n) / double(kFrame));
        windowEnergy += window[n] * window[n];
    }
    // The one-sided power of a windowed sinusoid at the sweep's amplitude.
    const double reference = double(kFrame) * sweep.amplitude * sweep.amplitude * windowEnergy / 4.0;

    Aliasing result;
    result.worstFrameDb = -1e9;
    double folded = 0.0, total = 0.0;
    std::vector<float> frame(kFrame);
    for (std::size_t start = 0; start + kFrame <= out.size(); start += kHop) {
        const double middle = (double(start) + kFrame / 2.0) / kOutputRate;
        const double hz = sweep.FrequencyAt(middle);
        // Only stretches that lie wholly above the new Nyquist frequency
        // (with room for the window) and inside the sweep.
        if (hz - halfBand < kOutputRate / 2 + 25.0 || hz + halfBand > sweep.toHz) continue;
        for (std::size_t n = 0; n < kFrame; ++n) frame[n] = float(out[start + n] * window[n]);
        const std::vector<double> power = PowerSpectrum(frame, kFrame);
        const double alias = kOutputRate - hz;
        const double hzPerBin = kOutputRate / double(kFrame);
        double sum = 0.0;
        for (std::size_t k = std::size_t(std::max(0.0, (alias - halfBand) / hzPerBin));
             k < power.size() && double(k) * hzPerBin <= alias + halfBand; ++k)
            sum += power[k];
        folded += sum;
        total += reference;
        result.worstFrameDb = std::max(result.worstFrameDb, PowerDb(sum / reference));
    }
    result.energyDb = PowerDb(folded / total);
    return result;
}

double FoldedToneDb(const std::vector<float>& out, double hz, double amplitude)
{
    return Db(ToneLevel(Middle(out), kOutputRate, kOutputRate - hz) / amplitude);
}

double KeptToneDb(const std::vector<float>& out, double hz, double amplitude)
{
    return Db(ToneLevel(Middle(out), kOutputRate, hz) / amplitude);
}

}  // namespace glimmora::quality
