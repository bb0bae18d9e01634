#include "effects/sound/conversion/WaveConversion.h"

#include "effects/sound/conversion/ChannelMix.h"
#include "effects/sound/conversion/PcmEncoding.h"
#include "effects/sound/conversion/ScratchFile.h"
#include "effects/sound/conversion/SoundError.h"
#include "effects/sound/conversion/SoundReader.h"
#include "effects/sound/conversion/StreamResampler.h"
#include "effects/sound/conversion/WaveWriter.h"

#include <algorithm>
#include <string>
#include <vector>

namespace glimmora {

namespace {

constexpr std::int64_t kBlockFrames = 8192;

void CheckTarget(const WaveFormatRecord& target)
{
    if (target.formatTag != kWaveFormatPcm || target.channels == 0 || target.samplesPerSec == 0 ||
        !IsEncodablePcmBits(target.bitsPerSample))
        throw SoundError("Cannot convert to " + std::to_string(target.channels) + " channels, " +
                         std::to_string(target.samplesPerSec) + " samples per second, " +
                         std::to_string(target.bitsPerSample) + " bits per sample");
}

}  // namespace

ConversionOutcome ConvertWave(const std::filesystem::path& source, std::uint16_t sourceBlockAlign,
                              std::uint64_t rangeBytes, const std::filesystem::path& destination,
                              const WaveFormatRecord& target, const ProgressFn& progress)
{
    CheckTarget(target);
    const WaveFormatRecord format = BuildPcmFormat(target.bitsPerSample, target.channels, target.samplesPerSec);
    ScratchFile scratch(destination);
    {
        SoundReader reader = SoundReader::OpenFile(source);
        if (!CanMixChannels(reader.Channels(), format.channels))
            throw SoundError("Cannot mix the " + std::to_string(reader.Channels()) + " channels of \"" +
                             source.string() + "\" into " + std::to_string(format.channels));
        const std::uint64_t blockAlign = std::max<std::uint16_t>(sourceBlockAlign, 1);
        const std::int64_t frames = std::min<std::int64_t>(std::int64_t(rangeBytes / blockAlign), reader.Frames());
        const std::uint64_t numBytes = std::uint64_t(frames) * blockAlign;

        StreamResampler resampler(reader.SampleRate(), int(format.samplesPerSec), format.channels);
        WaveWriter writer(scratch.Path(), format);
        std::vector<float> input(std::size_t(kBlockFrames) * std::size_t(reader.Channels()));
        std::vector<float> mixed;
        std::vector<float> resampled;
        std::vector<std::uint8_t> bytes;
        bool cancel = false;
        std::int64_t done = 0;
        bool drained = false;
        while (!drained) {
            const std::int64_t got = done < frames ? reader.Read(input.data(), std::min(kBlockFrames, frames - done)) : 0;
            done += got;
            drained = got == 0 || done >= frames;  // a source that ends early ends the range
            MixChannels(input.data(), got, reader.Channels(), format.channels, mixed);
            resampled.clear();
            resampler.Process(mixed.data(), got, drained, resampled);
            bytes.clear();
            EncodePcm(resampled.data(), resampled.size(), format.bitsPerSample, bytes);
            writer.Write(bytes);
            if (progress) {
                progress(drained ? numBytes : std::uint64_t(done) * blockAlign, numBytes, cancel);
                if (cancel) return ConversionOutcome::Cancelled;
            }
        }
        writer.Finish();
    }
    scratch.Commit();
    return ConversionOutcome::Completed;
}

}  // namespace glimmora
