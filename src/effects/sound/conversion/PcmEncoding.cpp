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
