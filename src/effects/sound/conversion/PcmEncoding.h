#pragma once
// Float samples (-1..1) to little-endian PCM bytes: unsigned 8-bit, signed
// 16-, 24- and 32-bit. Out-of-range values are clipped.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace glimmora {

// Bits of a PCM container that EncodePcm writes: 8, 16, 24 or 32.
bool IsEncodablePcmBits(int bits);

// Appends `count` samples to `out`.
void EncodePcm(const float* samples, std::size_t count, int bits, std::vector<std::uint8_t>& out);

}  // namespace glimmora
