#pragma once
// The smallest bit widths of SWF bit fields: UB for unsigned values, SB (and
// FB, whose raw 16.16 value is an SB) for signed ones.

#include <bit>
#include <cstdint>

namespace glimmora::swf {

// UB width: 0 for 0, else the position of the highest set bit plus one.
constexpr int UnsignedBits(uint32_t value)
{
    return value == 0 ? 0 : 32 - std::countl_zero(value);
}

// SB width: 0 for 0, 1 for -1, else the magnitude bits plus a sign bit.
constexpr int SignedBits(int64_t value)
{
    if (value == 0) {
        return 0;
    }
    const uint64_t magnitude = uint64_t(value >= 0 ? value : ~value);
    return (magnitude == 0 ? 0 : 64 - std::countl_zero(magnitude)) + 1;
}

}  // namespace glimmora::swf
