#include "effects/sound/conversion/StreamResampler.h"

#include "effects/sound/conversion/SoundError.h"

#include <samplerate.h>

#include <string>

namespace glimmora {

struct StreamResampler::State {
    SRC_STATE* src = nullptr;
    std::vector<float> buffer;
    ~State()
    {
        if (src) src_delete(src);
    }
};

StreamResampler::StreamResampler(int fromRate, int toRate, int channels)
    : state_(std::make_unique<State>()), ratio_(double(toRate) / double(fromRate)), channels_(channels)
{
    if (fromRate <= 0 || toRate <= 0 || channels <= 0 || !src_is_valid_ratio(ratio_))
        throw SoundError("Cannot convert sound from " + std::to_string(fromRate) + " to " +
                         std::to_string(toRate) + " samples per second");
    if (fromRate == toRate) return;
    if (fromRate == 2 * toRate) {
        halving_.resize(std::size_t(channels));
        return;
    }
    int error = 0;
    // The fastest band-limited sinc: its band reaches 80 % of the lower
    // Nyquist frequency and what lies above it is filtered out, at half the
    // cost of the medium-quality filter (a 3-minute song takes about a second).
    state_->src = src_new(SRC_SINC_FASTEST, channels, &error);
    if (!state_->src)
        throw SoundError(std::string("Cannot start the sample-rate converter: ") + src_strerror(error));
    state_->buffer.resize(std::size_t(4096) * std::size_t(channels));
}

StreamResampler::~StreamResampler() = default;

void StreamResampler::Process(const float* in, std::int64_t frames, bool endOfInput, std::vector<float>& out)
{
    if (!halving_.empty()) return Halve(in, frames, endOfInput, out);
    if (!state_->src) {
        out.insert(out.end(), in, in + frames * channels_);
        return;
    }
    SRC_DATA data{};
    data.data_in = in;
    data.input_frames = long(frames);
    data.src_ratio = ratio_;
    data.end_of_input = endOfInput ? 1 : 0;
    const long capacity = long(state_->buffer.size()) / channels_;
    for (;;) {
        data.data_out = state_->buffer.data();
        data.output_frames = capacity;
        if (const int error = src_process(state_->src, &data))
            throw SoundError(std::string("Sample-rate conversion failed: ") + src_strerror(error));
        out.insert(out.end(), state_->buffer.begin(),
                   state_->buffer.begin() + data.output_frames_gen * channels_);
        data.data_in += data.input_frames_used * channels_;
        data.input_frames -= data.input_frames_used;
        if (data.input_frames == 0 && (!endOfInput || data.output_frames_gen == 0)) break;
        if (data.input_frames_used == 0 && data.output_frames_gen == 0) break;  // nothing moves any more
    }
}

void StreamResampler::Halve(const float* in, std::int64_t frames, bool endOfInput, std::vector<float>& out)
{
    if (channels_ == 1) {
        halving_.front().Process(in, frames, out);
        if (endOfInput) halving_.front().Finish(out);
        return;
    }
    // Each channel on its own, then interleaved again. Every decimator has
    // seen the same number of samples, so each yields as many.
    const std::size_t start = out.size();
    std::size_t yielded = 0;
    for (int c = 0; c < channels_; ++c) {
        channelIn_.resize(std::size_t(frames));
        for (std::int64_t f = 0; f < frames; ++f) channelIn_[std::size_t(f)] = in[f * channels_ + c];
        channelOut_.clear();
        halving_[std::size_t(c)].Process(channelIn_.data(), frames, channelOut_);
        if (endOfInput) halving_[std::size_t(c)].Finish(channelOut_);
        yielded = channelOut_.size();
        out.resize(start + yielded * std::size_t(channels_));
        for (std::size_t f = 0; f < yielded; ++f) out[start + f * std::size_t(channels_) + std::size_t(c)] = channelOut_[f];
    }
}

}  // namespace glimmora
