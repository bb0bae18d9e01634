#include "effects/sound/conversion/PcmEncoding.h"

#include <algorithm>
#include <cmath>

namespace glimmora {

namespace {

// -1..1 scaled by 2^(bits-1), rounded, clipped to the signed range.
std::int64_t Quantise(float sample, int bits)
{
    const double full = double(std::int64_t(1) << (bits - 1));
    const double scaled = std::nearbyint(double(sample) * full);
    if (!(scaled >= -full)) return std::int64_t(-full);  // also NaN
    if (scaled > full - 1) return std::int64_t(full - 1);
    return std::int64_t(scaled);
}

// The 16-bit samples of a conversion's output, the common case, in a loop
// the compiler vectorises: the same values as Quantise, clipped first (the
// range's ends are whole numbers, so clipping before rounding changes
// nothing) and rounded to the nearest, ties to even, by the addition of
// 1.5 * 2^52, which leaves no fraction bits (std::nearbyint is a library
// call on the base instruction set).
void EncodePcm16(const float* samples, std::size_t count, std::uint8_t* p)
{
    constexpr double kRound = 6755399441055744.0;
    for (std::size_t i = 0; i < count; ++i) {
        double scaled = double(samples[i]) * 32768.0;
        scaled = !(scaled >= -32768.0) ? -32768.0 : scaled > 32767.0 ? 32767.0 : scaled;  // NaN: the lowest
        const auto v = std::uint16_t(std::int16_t((scaled + kRound) - kRound));
        p[2 * i] = std::uint8_t(v);
        p[2 * i + 1] = std::uint8_t(v >> 8);
    }
}

}  // namespace

bool IsEncodablePcmBits(int bits)
{
    return bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

void EncodePcm(const float* samples, std::size_t count, int bits, std::vector<std::uint8_t>& out)
{
    const std::size_t bytes = std::size_t(bits / 8);
    const std::size_t start = out.size();
    out.resize(start + count * bytes);
    std::uint8_t* p = out.data() + start;
    if (bits == 16) {
        EncodePcm16(samples, count, p);
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::int64_t v = Quantise(samples[i], bits);
        if (bits == 8) {
            *p++ = std::uint8_t(v + 128);  // 8-bit WAV samples are unsigned
            continue;
        }
        const std::uint32_t u = std::uint32_t(v);
        for (std::size_t b = 0; b < bytes; ++b) *p++ = std::uint8_t(u >> (8 * b));
    }
}

}  // namespace glimmora
