#pragma once
// Linear-phase low-pass FIR filters by the window method: an ideal low-pass
// (sinc) shaped by a Kaiser window whose length and shape follow from the
// band edges and the rejection asked for.

#include <vector>

namespace glimmora {

struct LowpassBands {
    // Band edges in cycles per sample (0.25 is half the Nyquist frequency):
    // the response is flat up to passEdge and at least rejectionDb down from
    // stopEdge on.
    double passEdge = 0.0;
    double stopEdge = 0.0;
    double rejectionDb = 0.0;
};

// Odd-length symmetric taps summing to 1 (unity gain at 0 Hz). The length is
// rounded up to `lengthStep` * k + 1 taps so that polyphase branches come out
// equally long and symmetric.
std::vector<double> DesignKaiserLowpass(const LowpassBands& bands, int lengthStep = 2);

// The magnitude of the taps' frequency response at `frequency` (cycles per
// sample), for checking a design.
double LowpassGain(const std::vector<double>& taps, double frequency);

}  // namespace glimmora
