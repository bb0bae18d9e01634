#pragma once
// The signals the quality tool feeds the converters: a slow linear sweep
// across the whole band and steady tones, the same on both channels of a
// stereo PCM WAV file.

#include <filesystem>

namespace glimmora::quality {

inline constexpr double kInputRate = 44100.0;
inline constexpr double kOutputRate = 22050.0;

struct Sweep {
    double fromHz = 20.0;
    double toHz = 22030.0;
    double seconds = 20.0;
    double amplitude = 0.5;
    double silence = 0.5;  // seconds before and after

    // The sweep's frequency `t` seconds into the file.
    double FrequencyAt(double t) const;
};

void WriteSweep(const std::filesystem::path& file, const Sweep& sweep, int bits);

// `seconds` of a sine at `hz` with `amplitude` (no fades: the analysis
// leaves the ends out).
void WriteTone(const std::filesystem::path& file, double hz, double amplitude, double seconds, int bits);

}  // namespace glimmora::quality
