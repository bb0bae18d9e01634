#pragma once
// Halves the sample rate of one channel (44100 to 22050 samples per second,
// say) with a linear-phase FIR low-pass that computes only the samples kept.
//
// The filter keeps 0 to 91.6 % of the new Nyquist frequency flat (10.1 kHz
// at 22050: within 0.00001 dB), is 3 dB down at 95 % and rejects everything
// from the new Nyquist frequency up by at least 125 dB, so nothing folds
// back as an alias. Output sample m is centred on input sample 2m: the
// filter adds no delay, and n input samples give (n + 1) / 2 output samples
// however the input is split into blocks.

#include <cstdint>
#include <vector>

namespace glimmora {

class HalfRateDecimator {
public:
    HalfRateDecimator();

    // Appends the output samples that `count` more input samples complete.
    void Process(const float* in, std::int64_t count, std::vector<float>& out);
    // Appends the rest, as if the input were followed by silence. The
    // decimator then starts again from silence.
    void Finish(std::vector<float>& out);

    // The filter's taps at the input rate (odd length, symmetric, sum 1).
    static const std::vector<double>& Taps();

private:
    void Filter(std::int64_t count, std::vector<float>& out);

    // Input samples split by parity of their index: even_[i] is input
    // 2 * (next_ - reach + i), odd_[i] the one after it, where next_ is the
    // next output and reach the filter's half-length in output samples.
    std::vector<float> even_;
    std::vector<float> odd_;
    std::int64_t next_ = 0;      // the next output sample's index
    std::int64_t received_ = 0;  // input samples so far
};

}  // namespace glimmora
