#include "effects/sound/conversion/SoundDecoding.h"

#include "effects/sound/conversion/PcmEncoding.h"
#include "effects/sound/conversion/ScratchFile.h"
#include "effects/sound/conversion/SoundError.h"
#include "effects/sound/conversion/SoundReader.h"
#include "effects/sound/conversion/WaveFormat.h"
#include "effects/sound/conversion/WaveWriter.h"

#include <string>
#include <vector>

namespace glimmora {

void DecodeToPcmWave(const std::filesystem::path& source, const std::filesystem::path& destination)
{
    constexpr std::int64_t kBlockFrames = 8192;
    ScratchFile scratch(destination);
    {
        SoundReader reader = SoundReader::OpenFile(source);
        if (reader.Channels() > 0xFFFF ||
            std::uint64_t(reader.Channels()) * 2 * std::uint64_t(reader.SampleRate()) > 0xFFFFFFFFull)
            throw SoundError("Cannot decode the sound file \"" + source.string() + "\": " +
                             std::to_string(reader.Channels()) + " channels at " +
                             std::to_string(reader.SampleRate()) + " samples per second do not fit a WAV file");
        WaveWriter writer(scratch.Path(), BuildPcmFormat(16, reader.Channels(), std::uint32_t(reader.SampleRate())));
        std::vector<float> samples(std::size_t(kBlockFrames) * std::size_t(reader.Channels()));
        std::vector<std::uint8_t> bytes;
        std::int64_t total = 0;
        while (const std::int64_t got = reader.Read(samples.data(), kBlockFrames)) {
            bytes.clear();
            EncodePcm(samples.data(), std::size_t(got) * std::size_t(reader.Channels()), 16, bytes);
            writer.Write(bytes);
            total += got;
        }
        if (total == 0)
            throw SoundError("Cannot decode the sound file \"" + source.string() + "\": it holds no sound");
        writer.Finish();
    }
    scratch.Commit();
}

}  // namespace glimmora
