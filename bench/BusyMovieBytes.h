#pragma once
// The busy reference movie built once per benchmark run with the editor's
// builder; also kept as a file for measuring whole programs on it.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace glimmora::bench {

const std::vector<uint8_t>& BusyMovieBytes();
// The same movie as a file (written by the first call of either).
std::filesystem::path BusyMovieFile();

}  // namespace glimmora::bench
