#pragma once
// Pictures and sounds of generated projects.

#include <filesystem>

namespace glimmora::bench {

// A width x height JPEG (quality 75) with a colour pattern that `seed` varies
// (seeds below 65536 give different pictures).
void WriteJpeg(const std::filesystem::path& file, int width, int height, int seed);

// Mono 16-bit PCM WAV: a sine of `hz` for `seconds`.
void WriteWave(const std::filesystem::path& file, int rate, double seconds, double hz);

}  // namespace glimmora::bench
