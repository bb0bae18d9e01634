#include "player/playback/SoundDecoding.h"

#include "player/playback/AdpcmDecoder.h"
#include "player/playback/Mp3Decoder.h"
#include "player/playback/PcmDecoding.h"

#include <string>

namespace glimmora::player {

PcmSound DecodeSound(const swf::Sound& sound, size_t maxFrames)
{
    if (sound.rate == 0) throw SoundDecodeError("sound without a sample rate");
    switch (sound.format) {
    case 0:
    case 3:
        return DecodePcm(sound, maxFrames);
    case 1:
        return DecodeAdpcm(sound, maxFrames);
    case 2:
        return DecodeMp3(sound, maxFrames);
    default:
        throw SoundDecodeError("sound format " + std::to_string(sound.format) + " is not supported");
    }
}

std::vector<int16_t> ToMixFormat(const PcmSound& pcm)
{
    const size_t frames = pcm.FrameCount();
    std::vector<int16_t> out;
    if (frames == 0 || pcm.rate == 0 || (pcm.channels != 1 && pcm.channels != 2)) return out;
    const uint64_t step = MixStep(pcm.rate);
    if (step == 0) return out;
    const uint64_t end = uint64_t(frames) << 32;
    const size_t outFrames = size_t((end + step - 1) / step);
    out.resize(outFrames * 2);
    const size_t channels = size_t(pcm.channels);
    uint64_t position = 0;
    for (size_t i = 0; i < outFrames; ++i, position += step) {
        const size_t index = size_t(position >> 32);
        const int64_t fraction = int64_t(position & 0xffffffffu);
        const size_t next = index + 1 < frames ? index + 1 : index;
        for (size_t c = 0; c < 2; ++c) {
            const size_t source = c < channels ? c : 0;
            const int64_t a = pcm.samples[index * channels + source];
            const int64_t b = pcm.samples[next * channels + source];
            out[2 * i + c] = int16_t(a + (((b - a) * fraction) >> 32));
        }
    }
    return out;
}

std::vector<int16_t> DecodeForMix(const swf::Sound& sound, size_t maxMixFrames)
{
    // No rate we decode reaches twice 44100 Hz.
    const size_t sourceFrames = maxMixFrames > (SIZE_MAX - 4) / 2 ? SIZE_MAX : maxMixFrames * 2 + 4;
    std::vector<int16_t> out = ToMixFormat(DecodeSound(sound, sourceFrames));
    if (out.size() / 2 > maxMixFrames) out.resize(maxMixFrames * 2);
    return out;
}

}  // namespace glimmora::player
