#pragma once
// The long movies of the benchmarks built once per run with the editor's
// builder, as SWF files: a text movie of so many texts or a picture movie of
// so many pictures (see projects/LongMovies.h for what they show), or a text
// movie whose every text comes in letter by letter and stays ("Come In").

#include <cstdint>
#include <filesystem>
#include <vector>

namespace glimmora::bench {

enum class LongMovieKind { Texts, Pictures, ComeInTexts };

// The movie's file, built by the first call for these arguments.
const std::filesystem::path& LongMovieFile(LongMovieKind kind, int count);
std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& file);

}  // namespace glimmora::bench
