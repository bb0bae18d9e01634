#pragma once
// Writes a RIFF WAVE file of PCM samples: a 16-byte format chunk and one data
// chunk whose sizes are filled in when the file is finished.

#include "effects/sound/conversion/WaveFormat.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>

namespace glimmora {

class WaveWriter {
public:
    // Creates (or truncates) `file`; throws SoundError when it cannot.
    WaveWriter(const std::filesystem::path& file, const WaveFormatRecord& format);

    // Appends sample bytes, whole frames of the format.
    void Write(std::span<const std::uint8_t> bytes);
    // Pads an odd data chunk, fills in the sizes and closes the file; throws
    // SoundError when anything could not be written (a full disk, say).
    void Finish();

    std::uint64_t DataBytes() const { return dataBytes_; }

private:
    void Fail(const char* what);

    std::filesystem::path file_;
    std::ofstream stream_;
    std::uint64_t dataBytes_ = 0;
};

}  // namespace glimmora
