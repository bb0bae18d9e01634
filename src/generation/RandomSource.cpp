#include "generation/RandomSource.h"

#include <chrono>

namespace glimmora {

void ClockRandomSource::Reseed()
{
    // Reseeding from the clock alone would repeat within one clock tick; the
    // counter keeps consecutive reseeds apart.
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::mt19937::result_type>(now ^ (++reseeds_ * 0x9E3779B97F4A7C15ull)));
}

int ClockRandomSource::Next(int bound)
{
    if (bound <= 1) return 0;
    return std::uniform_int_distribution<int>(0, bound - 1)(engine_);
}

}  // namespace glimmora
