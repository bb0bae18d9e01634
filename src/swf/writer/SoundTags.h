#pragma once
// DefineSound (uncompressed little-endian PCM, format 3) and StartSound.

#include "swf/writer/BitWriter.h"

#include <cstdint>
#include <vector>

namespace glimmora::swf {

// The format byte: Format UB[4], Rate UB[2], Size UB[1], Type UB[1].
// `rateCode` 0 = 5512, 1 = 11025, 2 = 22050, 3 = 44100 Hz.
constexpr uint8_t PcmFormatByte(int rateCode, bool is16Bit, bool stereo)
{
    return uint8_t((3 << 4) | ((rateCode & 3) << 2) | (is16Bit ? 2 : 0) | (stereo ? 1 : 0));
}

void WriteDefineSound(BitWriter& out, uint16_t soundId, uint8_t formatByte, uint32_t sampleCount,
                      const std::vector<uint8_t>& data);
// Starts the sound, or with `syncStop` stops it.
void WriteStartSound(BitWriter& out, uint16_t soundId, bool syncStop);

}  // namespace glimmora::swf
