#pragma once
// Changes the channel count of interleaved float frames: many channels to
// one by averaging, one to many by copying, equal counts unchanged.

#include <cstdint>
#include <vector>

namespace glimmora {

// Whether MixChannels can turn `from` channels into `to`.
bool CanMixChannels(int from, int to);

// Replaces `out` with the mixed frames.
void MixChannels(const float* in, std::int64_t frames, int from, int to, std::vector<float>& out);

}  // namespace glimmora
