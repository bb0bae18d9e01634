#include "effects/sound/conversion/ChannelMix.h"

namespace glimmora {

bool CanMixChannels(int from, int to)
{
    return from > 0 && to > 0 && (from == to || from == 1 || to == 1);
}

void MixChannels(const float* in, std::int64_t frames, int from, int to, std::vector<float>& out)
{
    out.resize(std::size_t(frames) * std::size_t(to));
    if (from == to) {
        out.assign(in, in + frames * from);
    } else if (from == 2 && to == 1) {
        // Stereo to mono, the common case, in a loop the compiler vectorises.
        for (std::int64_t f = 0; f < frames; ++f) out[std::size_t(f)] = (in[2 * f] + in[2 * f + 1]) * 0.5f;
    } else if (to == 1) {
        const float scale = 1.0f / float(from);
        for (std::int64_t f = 0; f < frames; ++f) {
            float sum = 0.0f;
            for (int c = 0; c < from; ++c) sum += in[f * from + c];
            out[std::size_t(f)] = sum * scale;
        }
    } else {  // from == 1
        for (std::int64_t f = 0; f < frames; ++f)
            for (int c = 0; c < to; ++c) out[std::size_t(f * to + c)] = in[f];
    }
}

}  // namespace glimmora
