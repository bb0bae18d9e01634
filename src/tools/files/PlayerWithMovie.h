#pragma once
// The common half of the projector and the screensaver file: the player
// program, the movie appended, then a trailer that finds the movie again.

#include <filesystem>

namespace glimmora::tools {

// Which trailer follows the movie, and so which movie lengths it can describe.
enum class CarriedMovie {
    Projector,    // marker, then the movie's length
    Screensaver,  // the movie's length + 4 only
};

// Writes `player`, the movie `source` and the trailer of `layout` to
// `target` as an executable, replacing an existing target only once the new
// file is complete.
// False when the player cannot be read or no file can be created in the
// target's folder (the copy of the player fails). Throws, naming the file,
// when the target names the source or the player, the player is not our
// player program, the source cannot be read or is empty or too large, or
// writing fails part-way.
bool WritePlayerWithMovie(const std::filesystem::path& source, const std::filesystem::path& target,
                          const std::filesystem::path& player, CarriedMovie layout);

}  // namespace glimmora::tools
