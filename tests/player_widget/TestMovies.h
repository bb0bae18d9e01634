#pragma once
// Small SWF files for the preview tests, written by our own encoder.

#include <filesystem>
#include <vector>
#include <cstdint>

namespace glimmora::test {

// 550 x 400 pixels at 12 fps with a blue background and `frames` frames: a
// red 100 x 100 square at the top-left corner from the first frame on.
void WriteSquareMovie(const std::filesystem::path& file, int frames);

std::vector<uint8_t> ReadAll(const std::filesystem::path& file);
void WriteAll(const std::filesystem::path& file, const std::vector<uint8_t>& bytes);

}  // namespace glimmora::test
