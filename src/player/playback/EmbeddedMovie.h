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
// The last `count` bytes (fewer for a shorter file) and the file's size.
std::vector<uint8_t> ReadFileTail(const std::string& path, size_t count, uint64_t& fileSize);

}  // namespace glimmora::player
