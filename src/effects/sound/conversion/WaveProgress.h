#pragma once
// Progress of a conversion: the event passed after each block, and the
// percentage a gauge shows for it.

#include <cstdint>
#include <functional>

namespace glimmora {

// Called after each converted block with the source bytes done so far and in
// total. Setting `cancel` stops the conversion; the destination is untouched.
using ProgressFn = std::function<void(std::uint64_t curByte, std::uint64_t numBytes, bool& cancel)>;

// curByte * 100 / numBytes + 0.5, rounded to the nearest integer with exact
// halves to the even neighbour: 0 of 1000 is 0, 15 of 1000 is 2, 1000 of 1000
// is 100. Done bytes beyond the total count as the total; an empty total is
// 100 (nothing left to do).
int WaveProgressPercent(std::uint64_t curByte, std::uint64_t numBytes);

}  // namespace glimmora
