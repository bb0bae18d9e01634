#pragma once
// Sample-rate conversion of a stream of float frames, block by block. An
// exact halving (44100 to 22050, 48000 to 24000) goes through our own
// decimator, one per channel; other ratios through libsamplerate's fastest
// band-limited sinc. Equal rates pass through untouched.

#include "effects/sound/conversion/HalfRateDecimator.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace glimmora {

class StreamResampler {
public:
    // Throws SoundError when the converter cannot be made for these values.
    StreamResampler(int fromRate, int toRate, int channels);
    ~StreamResampler();
    StreamResampler(const StreamResampler&) = delete;
    StreamResampler& operator=(const StreamResampler&) = delete;

    // Appends the frames that `frames` more input frames yield to `out`. The
    // last call passes endOfInput, which also drains what the filter holds.
    void Process(const float* in, std::int64_t frames, bool endOfInput, std::vector<float>& out);

private:
    void Halve(const float* in, std::int64_t frames, bool endOfInput, std::vector<float>& out);

    struct State;
    std::unique_ptr<State> state_;
    std::vector<HalfRateDecimator> halving_;  // one per channel, for an exact halving
    std::vector<float> channelIn_;
    std::vector<float> channelOut_;
    double ratio_;
    int channels_;
};

}  // namespace glimmora
