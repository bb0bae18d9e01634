// libFuzzer target: the sound reading path of the sound conversion. Arbitrary
// bytes go through the RIFF WAVE inspector and through libsndfile from memory;
// decoded samples are mixed to mono, resampled and encoded as PCM. Any
// outcome but a SoundError is a finding, and so is a header whose data range
// lies outside the input.

#include "effects/sound/conversion/ByteSource.h"
#include "effects/sound/conversion/ChannelMix.h"
#include "effects/sound/conversion/PcmEncoding.h"
#include "effects/sound/conversion/SoundError.h"
#include "effects/sound/conversion/SoundReader.h"
#include "effects/sound/conversion/StreamResampler.h"
#include "effects/sound/conversion/WaveHeader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

namespace {

void Inspect(std::span<const uint8_t> bytes)
{
    glimmora::MemoryByteSource source(bytes);
    const glimmora::WaveHeader header = glimmora::ReadWaveHeader(source, "fuzz.wav");
    if (header.dataOffset > bytes.size() || header.dataSize > bytes.size() - header.dataOffset) std::abort();
}

void Decode(std::span<const uint8_t> bytes)
{
    glimmora::SoundReader reader = glimmora::SoundReader::OpenMemory(bytes, "fuzz input");
    const int channels = reader.Channels();
    const int64_t block = std::max(1, 4096 / channels);
    const bool resample = reader.SampleRate() >= 4000 && reader.SampleRate() <= 192000;
    std::optional<glimmora::StreamResampler> resampler;
    if (resample) resampler.emplace(reader.SampleRate(), 22050, 1);
    std::vector<float> samples(size_t(block) * size_t(channels));
    std::vector<float> mono, out;
    std::vector<uint8_t> pcm;
    int64_t total = 0;
    const int bits[] = {8, 16, 24, 32};
    for (int round = 0; total < (1 << 18); ++round) {
        const int64_t got = reader.Read(samples.data(), block);
        glimmora::MixChannels(samples.data(), got, channels, 1, mono);
        out.clear();
        if (resampler) resampler->Process(mono.data(), got, got == 0, out);
        else out = mono;
        pcm.clear();
        glimmora::EncodePcm(out.data(), out.size(), bits[round & 3], pcm);
        if (got == 0) break;
        total += got;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    try {
        Inspect(bytes);
    } catch (const glimmora::SoundError&) {
    }
    try {
        Decode(bytes);
    } catch (const glimmora::SoundError&) {
    }
    return 0;
}
