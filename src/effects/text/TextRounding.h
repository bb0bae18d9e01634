#pragma once
// Rounding of the text effects: to the nearest integer, halves to even.

#include <cmath>
#include <limits>

namespace glimmora {

// Values beyond the int range saturate; NaN gives 0.
inline int RoundHalfEven(double value)
{
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}

}  // namespace glimmora
