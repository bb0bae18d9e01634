#include "effects/sound/conversion/WaveFile.h"

#include "effects/sound/conversion/ByteSource.h"
#include "effects/sound/conversion/SoundError.h"

#include <algorithm>
#include <string>

namespace glimmora {

void WaveFile::SetFileName(const std::filesystem::path& file)
{
    FileByteSource bytes(file);
    header_ = ReadWaveHeader(bytes, file.string());
    fileName_ = file;
    selectionEnd_ = std::int64_t(std::min<std::uint64_t>(header_.dataSize, INT64_MAX)) - 1;
    open_ = true;
}

ConversionOutcome WaveFile::ConvertToFile(const std::filesystem::path& destination, const WaveFormatRecord& target)
{
    if (!open_)
        throw SoundError("No sound file is open for conversion");
    if (FormatTag() != kWaveFormatPcm)
        throw SoundError("The sound file \"" + fileName_.string() + "\" is not PCM (format " +
                         std::to_string(FormatTag()) + ")");
    const std::uint64_t rangeBytes =
        selectionEnd_ < 0 ? 0 : std::min<std::uint64_t>(std::uint64_t(selectionEnd_) + 1, DataSize());
    return ConvertWave(fileName_, header_.format.blockAlign, rangeBytes, destination, target, OnProgress);
}

}  // namespace glimmora
