#pragma once
// The screensaver file: our standalone player with an SWF movie behind it,
// which plays that movie full screen when started as a screensaver.
// Layout: player, SWF (N bytes), N + 4 as 4 bytes little-endian.

#include <filesystem>

namespace glimmora::tools {

// Builds the screensaver file from `source` (an SWF) and `player`. An empty
// `target` means the source's name with ".scr". Results and errors as for
// SwfToExe (Projector.h); the movie may be at most 4 GiB - 4 bytes.
bool MakeScreenSaver(const std::filesystem::path& source, const std::filesystem::path& target,
                     const std::filesystem::path& player);

}  // namespace glimmora::tools
