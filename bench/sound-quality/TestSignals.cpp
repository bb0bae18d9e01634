#include "sound-quality/TestSignals.h"

#include "effects/sound/conversion/PcmEncoding.h"
#include "effects/sound/conversion/WaveWriter.h"

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace glimmora::quality {

namespace {

void WriteStereo(const std::filesystem::path& file, std::size_t frames, int bits,
                 const std::function<double(std::size_t)>& sample)
{
    std::vector<float> samples(frames * 2);
    for (std::size_t n = 0; n < frames; ++n) samples[2 * n] = samples[2 * n + 1] = float(sample(n));
    std::vector<std::uint8_t> bytes;
    EncodePcm(samples.data(), samples.size(), bits, bytes);
    WaveWriter writer(file, BuildPcmFormat(bits, 2, std::uint32_t(kInputRate)));
    writer.Write(bytes);
    writer.Finish();
}

}  // namespace

double Sweep::FrequencyAt(double t) const { return fromHz + (toHz - fromHz) * (t - silence) / seconds; }

void WriteSweep(const std::filesystem::path& file, const Sweep& sweep, int bits)
{
    constexpr double kFade = 0.01;
    const std::size_t frames = std::size_t((sweep.seconds + 2 * sweep.silence) * kInputRate);
    WriteStereo(file, frames, bits, [&](std::size_t n) {
        const double t = double(n) / kInputRate - sweep.silence;
        if (t < 0.0 || t > sweep.seconds) return 0.0;
        const double phase =
            2.0 * std::numbers::pi * (sweep.fromHz * t + (sweep.toHz - sweep.fromHz) * t * t / (2.0 * sweep.seconds));
        const double edge = std::min(t, sweep.seconds - t) / kFade;
        const double fade = edge >= 1.0 ? 1.0 : 0.5 - 0.5 * std::cos(std::numbers::pi * edge);
        return sweep.amplitude * fade * std::sin(phase);
    });
}

void WriteTone(const std::filesystem::path& file, double hz, double amplitude, double seconds, int bits)
{
    WriteStereo(file, std::size_t(seconds * kInputRate), bits, [&](std::size_t n) {
        return amplitude * std::sin(2.0 * std::numbers::pi * hz * double(n) / kInputRate);
    });
}

}  // namespace glimmora::quality
