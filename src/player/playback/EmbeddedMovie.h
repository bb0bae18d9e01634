#pragma once
// Finding the SWF that a player executable carries at its end.
//
// Projector: player, SWF (N bytes), the marker bytes 56 34 12 FA, N as
// 4 bytes little-endian. Screensaver: player, SWF (N bytes), N + 4 as 4 bytes
// little-endian (no marker, so the SWF signature at the start of the located
// bytes is what confirms it).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace glimmora::player {

struct TrailerResult {
    enum class Kind { Absent, Found, Damaged };
    Kind kind = Kind::Absent;
    uint64_t offset = 0;  // of the SWF in the file
    uint64_t length = 0;
    std::string problem;  // for Damaged
};

// `tail` holds the last min(8, fileSize) bytes of a file of `fileSize` bytes.
// Absent: no marker (or fewer than 8 bytes). Damaged: a marker with N = 0 or
// with N larger than the bytes before the trailer.
TrailerResult ParseProjectorTrailer(std::span<const uint8_t> tail, uint64_t fileSize);

// `tail` holds the last min(4, fileSize) bytes. Absent when the distance is
// under 4 or reaches before the start of the file; an empty SWF (distance 4)
// is Damaged. The caller still has to check the SWF signature.
TrailerResult ParseScreensaverTrailer(std::span<const uint8_t> tail, uint64_t fileSize);

// Whether the bytes begin with "FWS", "CWS" or "ZWS".
bool HasSwfSignature(std::span<const uint8_t> bytes);

// Reads `length` bytes at `offset` of a file; throws std::runtime_error.
std::vector<uint8_t> ReadFileRange(const std::string& path, uint64_t offset, uint64_t length);
// The last `count` bytes (fewer for a shorter file) and the file's size.
std::vector<uint8_t> ReadFileTail(const std::string& path, size_t count, uint64_t& fileSize);

}  // namespace glimmora::player
