#pragma once
// The common half of the projector and the screensaver file: the player
// program, the movie appended, then a trailer that finds the movie again.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <vector>

namespace glimmora::tools {

struct PlayerWithMovie {
    std::filesystem::path source;  // the SWF
    std::filesystem::path target;  // the executable to write
    std::filesystem::path player;  // our standalone player glimmora-player
    // The largest movie the trailer can describe.
    uint64_t maxMovieLength = 0;
    // The trailer for a movie of this many bytes.
    std::function<std::vector<uint8_t>(uint32_t length)> trailer;
};

// Writes player, movie and trailer to the target as an executable, replacing
// an existing target only once the new file is complete.
// False when the player cannot be read or no file can be created in the
// target's folder (the copy of the player fails). Throws, naming the file,
// when the target names the source or the player, the source cannot be read
// or is empty or too large, or writing fails part-way.
bool WritePlayerWithMovie(const PlayerWithMovie& job);

}  // namespace glimmora::tools
