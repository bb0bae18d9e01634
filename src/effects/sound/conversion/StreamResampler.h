#pragma once
// Sample-rate conversion of a stream of float frames, block by block, with
// libsamplerate's medium-quality sinc converter. Equal rates pass through
// untouched.

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
    struct State;
    std::unique_ptr<State> state_;
    double ratio_;
    int channels_;
};

}  // namespace glimmora
