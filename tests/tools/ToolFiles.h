#pragma once
// Small files for the output tools' tests: a stand-in player, movies of a
// chosen length, and the exact layouts the tools must write.

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace glimmora::test {

using Bytes = std::vector<uint8_t>;

Bytes ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const Bytes& bytes);
Bytes Join(std::initializer_list<Bytes> parts);
Bytes U32LE(uint32_t value);
// `length` bytes that start like an SWF and then count up.
Bytes SwfLike(size_t length);
// A stand-in for the player program: `length` bytes of another pattern,
// beginning as an ELF file with the player's mark.
Bytes PlayerLike(size_t length);

const Bytes kMarker = {0x56, 0x34, 0x12, 0xFA};

// A stand-in player of `playerLength` bytes named `playerName` and a movie
// "movie.swf" of `movieLength` bytes, in a folder of the test's own.
class PlayerAndMovieTest : public ::testing::Test {
protected:
    PlayerAndMovieTest(const char* playerName, size_t playerLength, size_t movieLength)
        : playerBytes(PlayerLike(playerLength)), swf(SwfLike(movieLength)), player(dir / playerName)
    {
        WriteBytes(player, playerBytes);
        WriteBytes(movie, swf);
    }

    TempDir dir;
    const Bytes playerBytes;
    const Bytes swf;
    const std::filesystem::path player;
    const std::filesystem::path movie = dir / "movie.swf";
};

// The names of the files in a folder, sorted.
std::vector<std::string> FilesIn(const std::filesystem::path& folder);

}  // namespace glimmora::test
