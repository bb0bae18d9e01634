#pragma once
// A wave file opened for inspection and conversion: its name, format record
// and sample data size, a selected range, and the conversion of that range
// into a new PCM file with progress after each block.

#include "effects/sound/conversion/WaveConversion.h"
#include "effects/sound/conversion/WaveFormat.h"
#include "effects/sound/conversion/WaveHeader.h"
#include "effects/sound/conversion/WaveProgress.h"

#include <cstdint>
#include <filesystem>

namespace glimmora {

class WaveFile {
public:
    // Opens the named file and reads its header. Throws SoundError naming the
    // file when it is missing, unreadable or not a RIFF WAVE file; the earlier
    // file then stays open. Selects the whole sample data.
    void SetFileName(const std::filesystem::path& file);
    const std::filesystem::path& FileName() const { return fileName_; }

    // 1 is PCM (also for WAVE_FORMAT_EXTENSIBLE with the PCM sub-format).
    std::uint16_t FormatTag() const { return header_.format.formatTag; }
    const WaveFormatRecord& Format() const { return header_.format; }
    // Bytes of sample data in the file.
    std::uint64_t DataSize() const { return header_.dataSize; }

    // The last byte of the range to convert; DataSize() - 1 is the whole data,
    // a negative value an empty range.
    void SetSelectionEnd(std::int64_t lastByte) { selectionEnd_ = lastByte; }

    // Called after each converted block.
    ProgressFn OnProgress;

    // Converts the selected range into `destination` with the given PCM
    // format (see ConvertWave). Throws SoundError when no file is open, the
    // file is not PCM, or the conversion fails.
    ConversionOutcome ConvertToFile(const std::filesystem::path& destination, const WaveFormatRecord& target);

private:
    std::filesystem::path fileName_;
    WaveHeader header_;
    std::int64_t selectionEnd_ = -1;
    bool open_ = false;
};

}  // namespace glimmora
