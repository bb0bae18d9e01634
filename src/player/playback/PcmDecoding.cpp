#include "player/playback/PcmDecoding.h"

#include <algorithm>

namespace glimmora::player {

PcmSound DecodePcm(const swf::Sound& sound, size_t maxFrames)
{
    PcmSound pcm;
    pcm.rate = sound.rate;
    pcm.channels = sound.stereo ? 2 : 1;
    const size_t bytesPerSample = sound.is16Bit ? 2 : 1;
    const size_t available = sound.data.size() / bytesPerSample;
    const size_t declared = std::min(size_t(sound.sampleCount), maxFrames) * size_t(pcm.channels);
    size_t count = std::min(available, declared);
    count -= count % size_t(pcm.channels);
    pcm.samples.resize(count);
    const uint8_t* data = sound.data.data();
    for (size_t i = 0; i < count; ++i) {
        if (sound.is16Bit) {
            pcm.samples[i] = int16_t(uint16_t(data[2 * i] | (data[2 * i + 1] << 8)));
        } else {
            pcm.samples[i] = int16_t((int(data[i]) - 128) * 256);
        }
    }
    return pcm;
}

}  // namespace glimmora::player
