#pragma once
// Decodes a compressed sound file (MP3 and whatever else libsndfile reads)
// into a 16-bit PCM wave file with the source's channels and rate.

#include <filesystem>

namespace glimmora {

// Writes beside `destination` and renames over it when complete. Throws
// SoundError naming the source when it cannot be decoded, and naming the
// destination when it cannot be written; the destination is then untouched.
void DecodeToPcmWave(const std::filesystem::path& source, const std::filesystem::path& destination);

}  // namespace glimmora
