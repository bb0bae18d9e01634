#pragma once
// Reading a chosen picture file whole, and writing the stored picture so that
// the target is either the old file or the complete new one.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace glimmora {

// Larger files are refused before they are read.
inline constexpr std::uintmax_t kMaxPictureFileBytes = 512ull * 1024 * 1024;

// The file's bytes; throws PictureError naming the file when it cannot be read.
std::vector<std::uint8_t> ReadPictureFile(const std::filesystem::path& file);

// Writes `bytes` to a new file beside `target` and renames it over the
// target; throws PictureError naming the target, leaving the target as it was
// and no temporary file behind, when anything fails.
void WritePictureReplacing(const std::filesystem::path& target, const std::vector<std::uint8_t>& bytes);

}  // namespace glimmora
