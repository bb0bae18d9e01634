#include "effects/sound/conversion/HalfRateDecimator.h"

#include "effects/sound/conversion/KaiserLowpass.h"

#include <algorithm>
#include <cstring>

namespace glimmora {

namespace {

// Flat to 91.6 % of the output's Nyquist frequency, stopped from 100 %: the
// band edges in cycles per input sample.
constexpr LowpassBands kHalvingFilter{0.916 * 0.25, 0.25, 127.0};

// The taps split into the two polyphase branches, as floats. With 4K + 1
// taps h: the even branch g[j] = h[2j] has 2K + 1 taps around g[K], the odd
// branch q[j] = h[2j + 1] has 2K; both are symmetric, so only their first
// halves (and g's middle) are kept.
struct Branches {
    int reach = 0;                // K
    std::vector<float> even;      // g[0..K]
    std::vector<float> odd;       // q[0..K-1]
};

const Branches& FilterBranches()
{
    static const Branches branches = [] {
        const std::vector<double>& taps = HalfRateDecimator::Taps();
        Branches b;
        b.reach = int(taps.size() - 1) / 4;
        for (int j = 0; j <= b.reach; ++j) b.even.push_back(float(taps[std::size_t(2 * j)]));
        for (int j = 0; j < b.reach; ++j) b.odd.push_back(float(taps[std::size_t(2 * j + 1)]));
        return b;
    }();
    return branches;
}

// Eight lanes of outputs at once; on a processor without 256-bit registers
// the compiler splits each operation in two. (Lanes never cross a call: the
// helpers below are always inlined, so how a call would pass them does not
// matter.)
#pragma GCC diagnostic ignored "-Wpsabi"
using Lanes = float __attribute__((vector_size(32)));
constexpr int kLanes = 8;
constexpr int kStep = 4 * kLanes;  // four accumulators, held in registers

[[gnu::always_inline]] inline Lanes Load(const float* p)
{
    Lanes v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Adds the symmetric branch `taps` (the first `count` of them, each paired
// with its mirror `span` samples on) to four accumulators of outputs that
// start at `in`.
[[gnu::always_inline]] inline void AddPairs(const float* in, const float* taps, int count, int span, Lanes& a0,
                                            Lanes& a1, Lanes& a2, Lanes& a3)
{
    for (int j = 0; j < count; ++j) {
        const float tap = taps[j];
        const float* early = in + j;
        const float* late = in + span - j;
        a0 += tap * (Load(late) + Load(early));
        a1 += tap * (Load(late + kLanes) + Load(early + kLanes));
        a2 += tap * (Load(late + 2 * kLanes) + Load(early + 2 * kLanes));
        a3 += tap * (Load(late + 3 * kLanes) + Load(early + 3 * kLanes));
    }
}

// Outputs t = 0 .. count-1 (count a multiple of kStep) from the even and
// odd branch inputs, each starting K samples before output 0. Every output
// goes through the same operations in the same order wherever it falls in
// a step, so the result never depends on how the input was split.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
__attribute__((target_clones("arch=x86-64-v3", "default")))
#endif
void FilterSteps(const float* even, const float* odd, std::int64_t count, const Branches& b, float* out)
{
    const int k = b.reach;
    const float middle = b.even[std::size_t(k)];
    for (std::int64_t t = 0; t < count; t += kStep) {
        const float* centre = even + t + k;
        Lanes a0 = middle * Load(centre);
        Lanes a1 = middle * Load(centre + kLanes);
        Lanes a2 = middle * Load(centre + 2 * kLanes);
        Lanes a3 = middle * Load(centre + 3 * kLanes);
        AddPairs(even + t, b.even.data(), k, 2 * k, a0, a1, a2, a3);
        AddPairs(odd + t, b.odd.data(), k, 2 * k - 1, a0, a1, a2, a3);
        std::memcpy(out + t, &a0, sizeof a0);
        std::memcpy(out + t + kLanes, &a1, sizeof a1);
        std::memcpy(out + t + 2 * kLanes, &a2, sizeof a2);
        std::memcpy(out + t + 3 * kLanes, &a3, sizeof a3);
    }
}

}  // namespace

const std::vector<double>& HalfRateDecimator::Taps()
{
    static const std::vector<double> taps = DesignKaiserLowpass(kHalvingFilter, 4);
    return taps;
}

HalfRateDecimator::HalfRateDecimator()
{
    const int k = FilterBranches().reach;
    even_.assign(std::size_t(k), 0.0f);
    odd_.assign(std::size_t(k), 0.0f);
}

void HalfRateDecimator::Process(const float* in, std::int64_t count, std::vector<float>& out)
{
    if (count <= 0) return;
    // Alternate samples into the branches, starting with the one the next
    // input index belongs to.
    const bool oddFirst = (received_ & 1) != 0;
    std::vector<float>& first = oddFirst ? odd_ : even_;
    std::vector<float>& second = oddFirst ? even_ : odd_;
    const std::size_t firstCount = std::size_t((count + 1) / 2);
    const std::size_t secondCount = std::size_t(count / 2);
    std::size_t at = first.size();
    first.resize(at + firstCount);
    for (std::size_t i = 0; i < firstCount; ++i) first[at + i] = in[2 * i];
    at = second.size();
    second.resize(at + secondCount);
    for (std::size_t i = 0; i < secondCount; ++i) second[at + i] = in[2 * i + 1];
    received_ += count;
    const std::int64_t k = FilterBranches().reach;
    const std::int64_t ready = std::min(std::int64_t(even_.size()) - 2 * k, std::int64_t(odd_.size()) - 2 * k + 1);
    Filter(ready, out);
}

void HalfRateDecimator::Finish(std::vector<float>& out)
{
    const std::int64_t total = (received_ + 1) / 2;
    Filter(total - next_, out);
    const std::size_t k = std::size_t(FilterBranches().reach);
    even_.assign(k, 0.0f);
    odd_.assign(k, 0.0f);
    next_ = 0;
    received_ = 0;
}

void HalfRateDecimator::Filter(std::int64_t count, std::vector<float>& out)
{
    if (count <= 0) return;
    const Branches& b = FilterBranches();
    const std::size_t k = std::size_t(b.reach);
    const std::size_t evenSize = even_.size();
    const std::size_t oddSize = odd_.size();
    // Whole steps read past what has arrived: silence, taken off again
    // below. Outputs past `count` are computed and dropped.
    const std::size_t steps = std::size_t((count + kStep - 1) / kStep) * kStep;
    even_.resize(std::max(evenSize, steps + 2 * k + kLanes), 0.0f);
    odd_.resize(std::max(oddSize, steps + 2 * k + kLanes), 0.0f);
    const std::size_t start = out.size();
    out.resize(start + steps);
    FilterSteps(even_.data(), odd_.data(), std::int64_t(steps), b, out.data() + start);
    out.resize(start + std::size_t(count));
    even_.resize(evenSize);
    odd_.resize(oddSize);
    // Keep the K samples before the next output onwards.
    const std::size_t used = std::size_t(count);
    even_.erase(even_.begin(), even_.begin() + std::ptrdiff_t(std::min(used, even_.size())));
    odd_.erase(odd_.begin(), odd_.begin() + std::ptrdiff_t(std::min(used, odd_.size())));
    next_ += count;
}

}  // namespace glimmora
