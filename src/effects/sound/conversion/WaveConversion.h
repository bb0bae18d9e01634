#pragma once
// Converts the sample data of a PCM wave file into a new PCM wave file of
// another channel count, rate and sample size, block by block.

#include "effects/sound/conversion/WaveFormat.h"
#include "effects/sound/conversion/WaveProgress.h"

#include <cstdint>
#include <filesystem>

namespace glimmora {

enum class ConversionOutcome { Completed, Cancelled };

// Converts the first `rangeBytes` bytes of the source's sample data (whole
// frames of `sourceBlockAlign` bytes). Channels are averaged down to one (or
// one copied up to many), samples resampled with a sinc filter, and written
// with the target's bits (8-bit unsigned, 16/24/32-bit signed). `progress` is
// called after every block. The result is written beside `destination` and
// renamed over it only when complete, so the destination may be the source.
// Throws SoundError for a source that cannot be read, a target that cannot be
// made, or a destination that cannot be written; the destination is then
// untouched, as it is after a cancel.
ConversionOutcome ConvertWave(const std::filesystem::path& source, std::uint16_t sourceBlockAlign,
                              std::uint64_t rangeBytes, const std::filesystem::path& destination,
                              const WaveFormatRecord& target, const ProgressFn& progress);

}  // namespace glimmora
