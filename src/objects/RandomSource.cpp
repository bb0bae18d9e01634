#include "objects/RandomSource.h"

#include <chrono>

namespace glimmora {

namespace {

// SplitMix64: a tiny generator whose whole state is one word, so reseeding at
// every colour change or jitter step costs nothing.
uint64_t NextSplitMix(uint64_t& state)
{
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

void ClockRandomSource::Reseed()
{
    // The clock alone would repeat within one tick; the counter keeps
    // consecutive reseeds apart.
    const auto now = uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    state_ = now ^ (++reseeds_ * 0xD1B54A32D192ED03ull);
}

int ClockRandomSource::Next(int bound)
{
    if (bound <= 1) return 0;
    // Lemire's multiply-shift maps 32 random bits onto 0..bound-1.
    const uint64_t r = NextSplitMix(state_) >> 32;
    return int((r * uint64_t(bound)) >> 32);
}

}  // namespace glimmora
