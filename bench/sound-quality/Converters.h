#pragma once
// The converters the quality tool compares, each turning a WAV file into a
// mono 22050 Hz PCM WAV file of the bits asked for.

#include <filesystem>
#include <string>
#include <vector>

namespace glimmora::quality {

struct Converter {
    std::string name;
    // Converts `in` into `out` with `bits` per sample; false when it failed.
    bool (*convert)(const std::filesystem::path& in, const std::filesystem::path& out, int bits);
};

// Ours: the conversion a chosen sound goes through.
bool ConvertWithGlimmora(const std::filesystem::path& in, const std::filesystem::path& out, int bits);
// `sox in.wav -c 1 -r 22050 [-b 32] out.wav`: sox's defaults (its "high"
// quality rate, and dither when writing 16 bits).
bool ConvertWithSox(const std::filesystem::path& in, const std::filesystem::path& out, int bits);
// libsamplerate's fastest sinc after an average of the channels, rounded:
// the conversion before our own halving filter.
bool ConvertWithSincFastest(const std::filesystem::path& in, const std::filesystem::path& out, int bits);

// The converters available here (sox only where it is installed).
std::vector<Converter> AvailableConverters();

}  // namespace glimmora::quality
