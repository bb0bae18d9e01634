#pragma once
// What the quality tool measures in a converter's output (mono, 22050 Hz),
// each against what went in (44100 Hz).

#include "sound-quality/TestSignals.h"

#include <vector>

namespace glimmora::quality {

struct PassBand {
    double rippleDb = 0.0;  // highest minus lowest gain, 25 Hz bands from 100 Hz up to the top
    double topGainDb = 0.0; // the gain of the band at the top
};

// The gain band by band, from the spectra of the sweep going in and coming
// out (so the sweep's own unevenness cancels).
PassBand MeasurePassBand(const std::vector<float>& in, const std::vector<float>& out, double topHz);

struct Aliasing {
    double energyDb = 0.0;     // everything folded back, against the sweep's energy
    double worstFrameDb = 0.0; // the worst 0.19 s of it
};

// What folds back while the sweep runs from just above the new Nyquist
// frequency to its end: in each short stretch of output, the power near
// the frequency the sweep folds to (22050 Hz - its frequency).
Aliasing MeasureAliasing(const std::vector<float>& out, const Sweep& sweep);

// The level at 22050 Hz - hz of the output of a tone at hz (amplitude
// `amplitude`), in dB against the tone, measured away from the ends.
double FoldedToneDb(const std::vector<float>& out, double hz, double amplitude);

// The level of a tone kept in the band, in dB against what went in.
double KeptToneDb(const std::vector<float>& out, double hz, double amplitude);

}  // namespace glimmora::quality
