#pragma once
// Finding the SWF that a player executable carries at its end; the trailer
// layouts and their parsing are in ExecutableTrailer.h.

#include "player/playback/ExecutableTrailer.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace glimmora::player {

// Whether the bytes begin with "FWS", "CWS" or "ZWS".
bool HasSwfSignature(std::span<const uint8_t> bytes);

// Reads `length` bytes at `offset` of a file; throws std::runtime_error.
std::vector<uint8_t> ReadFileRange(const std::string& path, uint64_t offset, uint64_t length);
// The movie of `length` bytes at `offset` of a file (the whole of a movie
// file, or the one a projector carries), refused before anything is read
// when the player could not take that many bytes; throws std::runtime_error
// naming the file, also when memory runs out.
std::vector<uint8_t> ReadMovieRange(const std::string& path, uint64_t offset, uint64_t length);
// The whole of a movie file, refused the same way; a folder or another kind
// of file is refused as such.
std::vector<uint8_t> ReadMovieFile(const std::string& path);
// The last `count` bytes (fewer for a shorter file) and the file's size.
std::vector<uint8_t> ReadFileTail(const std::string& path, size_t count, uint64_t& fileSize);

}  // namespace glimmora::player
