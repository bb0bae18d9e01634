#include "player/playback/AdpcmDecoder.h"

#include <algorithm>
#include <array>

namespace glimmora::player {
namespace {

constexpr std::array<int, 89> kSteps = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,   253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,   876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749,  3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493,  10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

// Step index changes by code magnitude, for 2, 3, 4 and 5 bits per code.
constexpr int kIndex2[] = {-1, 2};
constexpr int kIndex3[] = {-1, -1, 2, 4};
constexpr int kIndex4[] = {-1, -1, -1, -1, 2, 4, 6, 8};
constexpr int kIndex5[] = {-1, -1, -1, -1, -1, -1, -1, -1, 1, 2, 4, 6, 8, 10, 13, 16};
constexpr const int* kIndexTables[] = {kIndex2, kIndex3, kIndex4, kIndex5};

constexpr int kCodesPerPacket = 4095;

class Bits {
public:
    explicit Bits(const std::vector<uint8_t>& data) : data_(data) {}
    bool Has(size_t count) const { return position_ + count <= data_.size() * 8; }
    uint32_t Read(int count)
    {
        uint32_t value = 0;
        for (int i = 0; i < count; ++i, ++position_) {
            const uint8_t byte = data_[position_ / 8];
            value = (value << 1) | ((byte >> (7 - position_ % 8)) & 1u);
        }
        return value;
    }

private:
    const std::vector<uint8_t>& data_;
    size_t position_ = 0;
};

struct ChannelState {
    int predictor = 0;
    int index = 0;
};

int16_t DecodeCode(ChannelState& state, uint32_t code, int bits, const int* indexTable)
{
    const uint32_t signMask = 1u << (bits - 1);
    int step = kSteps[size_t(state.index)];
    // difference = (magnitude + 0.5) * step / 2^(bits-2), bit by bit
    int difference = 0;
    for (uint32_t k = signMask >> 1; k; k >>= 1) {
        if (code & k) difference += step;
        step >>= 1;
    }
    difference += step;
    state.predictor += (code & signMask) ? -difference : difference;
    state.predictor = std::clamp(state.predictor, -32768, 32767);
    state.index = std::clamp(state.index + indexTable[code & (signMask - 1)], 0, 88);
    return int16_t(state.predictor);
}

}  // namespace

PcmSound DecodeAdpcm(const swf::Sound& sound, size_t maxFrames)
{
    PcmSound pcm;
    pcm.rate = sound.rate;
    pcm.channels = sound.stereo ? 2 : 1;
    const size_t channels = size_t(pcm.channels);
    const size_t wanted = std::min(size_t(sound.sampleCount), maxFrames);
    Bits bits(sound.data);
    if (!bits.Has(2)) return pcm;
    const int codeBits = int(bits.Read(2)) + 2;
    const int* indexTable = kIndexTables[codeBits - 2];
    pcm.samples.reserve(std::min(wanted, sound.data.size() * 8 / size_t(codeBits) + 2) * channels);

    ChannelState state[2];
    size_t frames = 0;
    while (frames < wanted && bits.Has(22 * channels)) {
        for (size_t c = 0; c < channels; ++c) {
            state[c].predictor = int16_t(uint16_t(bits.Read(16)));
            state[c].index = int(bits.Read(6));
            state[c].index = std::min(state[c].index, 88);
            pcm.samples.push_back(int16_t(state[c].predictor));
        }
        ++frames;
        for (int i = 0; i < kCodesPerPacket && frames < wanted; ++i) {
            if (!bits.Has(size_t(codeBits) * channels)) return pcm;
            for (size_t c = 0; c < channels; ++c) {
                pcm.samples.push_back(DecodeCode(state[c], bits.Read(codeBits), codeBits, indexTable));
            }
            ++frames;
        }
    }
    return pcm;
}

}  // namespace glimmora::player
