#pragma once
// The trailers behind which a player executable carries a movie. Header only
// and free of Qt: the player reads them, the output tools write them.
//
// Projector: player, SWF (N bytes), the marker bytes 56 34 12 FA, N as
// 4 bytes little-endian. Screensaver: player, SWF (N bytes), N + 4 as 4 bytes
// little-endian (no marker, so the SWF signature at the start of the located
// bytes is what confirms it).

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace glimmora::player {

inline constexpr uint32_t kProjectorMarker = 0xFA123456u;
inline constexpr size_t kProjectorTrailerSize = 8;
inline constexpr size_t kScreensaverTrailerSize = 4;

inline uint32_t ReadU32LE(const uint8_t* bytes)
{
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

inline std::array<uint8_t, 4> U32LE(uint32_t value)
{
    return {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
}

// The 8 bytes that follow a movie of `length` bytes in a projector.
inline std::array<uint8_t, kProjectorTrailerSize> ProjectorTrailer(uint32_t length)
{
    const auto marker = U32LE(kProjectorMarker);
    const auto n = U32LE(length);
    return {marker[0], marker[1], marker[2], marker[3], n[0], n[1], n[2], n[3]};
}

// The 4 bytes that follow a movie of `length` bytes in a screensaver: the
// distance from the end of the file back to the movie. `length` + 4 must
// fit in 32 bits.
inline std::array<uint8_t, kScreensaverTrailerSize> ScreensaverTrailer(uint32_t length)
{
    return U32LE(length + uint32_t(kScreensaverTrailerSize));
}

struct TrailerResult {
    enum class Kind { Absent, Found, Damaged };
    Kind kind = Kind::Absent;
    uint64_t offset = 0;  // of the SWF in the file
    uint64_t length = 0;
    std::string problem;  // for Damaged
};

namespace detail {
inline TrailerResult DamagedTrailer(std::string problem)
{
    TrailerResult result;
    result.kind = TrailerResult::Kind::Damaged;
    result.problem = std::move(problem);
    return result;
}
}  // namespace detail

// `tail` holds the last min(8, fileSize) bytes of a file of `fileSize` bytes.
// Absent: no marker (or fewer than 8 bytes). Damaged: a marker with N = 0 or
// with N larger than the bytes before the trailer.
inline TrailerResult ParseProjectorTrailer(std::span<const uint8_t> tail, uint64_t fileSize)
{
    if (fileSize < kProjectorTrailerSize || tail.size() < kProjectorTrailerSize) return {};
    const uint8_t* trailer = tail.data() + tail.size() - kProjectorTrailerSize;
    if (ReadU32LE(trailer) != kProjectorMarker) return {};
    const uint64_t length = ReadU32LE(trailer + 4);
    if (length == 0) return detail::DamagedTrailer("The player carries an empty movie.");
    if (length > fileSize - kProjectorTrailerSize) {
        return detail::DamagedTrailer("The movie length in the player's trailer is larger than the file.");
    }
    TrailerResult result;
    result.kind = TrailerResult::Kind::Found;
    result.offset = fileSize - kProjectorTrailerSize - length;
    result.length = length;
    return result;
}

// `tail` holds the last min(4, fileSize) bytes. Absent when the distance is
// under 4 or reaches before the start of the file; an empty SWF (distance 4)
// is Damaged. The caller still has to check the SWF signature.
inline TrailerResult ParseScreensaverTrailer(std::span<const uint8_t> tail, uint64_t fileSize)
{
    if (fileSize < kScreensaverTrailerSize || tail.size() < kScreensaverTrailerSize) return {};
    const uint64_t distance = ReadU32LE(tail.data() + tail.size() - kScreensaverTrailerSize);
    if (distance < kScreensaverTrailerSize || distance > fileSize) return {};
    if (distance == kScreensaverTrailerSize) return detail::DamagedTrailer("The screen saver carries an empty movie.");
    TrailerResult result;
    result.kind = TrailerResult::Kind::Found;
    result.offset = fileSize - distance;
    result.length = distance - kScreensaverTrailerSize;
    return result;
}

}  // namespace glimmora::player
