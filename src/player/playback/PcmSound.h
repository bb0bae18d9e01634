#pragma once
// Decoded sound samples: signed 16-bit, interleaved when stereo.

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace glimmora::player {

struct PcmSound {
    uint32_t rate = 44100;  // samples per second per channel
    int channels = 1;       // 1 or 2
    std::vector<int16_t> samples;
    size_t FrameCount() const { return channels > 0 ? samples.size() / size_t(channels) : 0; }
};

// A sound whose data cannot be decoded at all.
class SoundDecodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace glimmora::player
