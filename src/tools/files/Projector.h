#pragma once
// Projectors: our standalone player with an SWF movie behind it, which plays
// that movie when started. Layout: player, SWF (N bytes), the marker bytes
// 56 34 12 FA, N as 4 bytes little-endian.

#include <filesystem>

namespace glimmora::tools {

// Builds a projector from `source` (an SWF) and `player`. An empty `target`
// means the source's name with ".exe". True when written (an existing target
// is replaced). False when the player cannot be read or the target's folder
// takes no new file. Throws, naming the file, when the target is the source
// or the player itself, the source cannot be read, is empty or is larger than
// 4 GiB, or the target cannot be written completely; the target is then left
// as it was.
bool SwfToExe(const std::filesystem::path& source, const std::filesystem::path& target,
              const std::filesystem::path& player);

// Takes the SWF back out of a projector. An empty `target` means the source's
// name with ".swf". False, creating nothing, when the source has no valid
// projector trailer: no marker 8 bytes before its end, fewer than 8 bytes,
// N = 0 or N larger than the bytes before the trailer. Throws, naming the
// file, when the target is the source itself, the source cannot be read or
// the target cannot be written; an existing target is then left as it was.
bool ExeToSwf(const std::filesystem::path& source, const std::filesystem::path& target);

}  // namespace glimmora::tools
