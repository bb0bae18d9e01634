#pragma once
// The header of a RIFF WAVE file: its format record and where its sample data
// lies. Chunk sizes are never trusted: a size that runs past the end of the
// file is cut to the bytes that are there, and nothing is read beyond them.

#include "effects/sound/conversion/ByteSource.h"
#include "effects/sound/conversion/WaveFormat.h"

#include <cstdint>
#include <string>

namespace glimmora {

struct WaveHeader {
    WaveFormatRecord format;        // WAVE_FORMAT_EXTENSIBLE reports its sub-format's tag
    std::uint64_t dataOffset = 0;   // first byte of the sample data
    std::uint64_t dataSize = 0;     // bytes of sample data present in the file
    bool dataTruncated = false;     // the data chunk claims more than the file holds
};

// Throws SoundError naming `fileName` for a file that is not RIFF WAVE, has
// no usable format chunk, a PCM format that makes no sense, or no data chunk.
WaveHeader ReadWaveHeader(ByteSource& bytes, const std::string& fileName);

}  // namespace glimmora
