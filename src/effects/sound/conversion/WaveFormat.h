#pragma once
// The wave format record of a RIFF WAVE file, and the PCM record that every
// conversion writes.

#include <cstdint>

namespace glimmora {

inline constexpr std::uint16_t kWaveFormatPcm = 1;
inline constexpr std::uint16_t kWaveFormatExtensible = 0xFFFE;

struct WaveFormatRecord {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t extraSize = 0;  // bytes of format data after the record

    bool operator==(const WaveFormatRecord&) const = default;
};

// PCM: block align = channels * bits / 8 (bits rounded up to whole bytes),
// average bytes per second = block align * rate, no extra format bytes.
WaveFormatRecord BuildPcmFormat(int bitsPerSample, int channels, std::uint32_t samplesPerSec);

}  // namespace glimmora
