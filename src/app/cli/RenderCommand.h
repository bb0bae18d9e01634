#pragma once
// `glimmora-cli render MOVIE.swf --frame N -o OUT.png`
// `glimmora-cli render MOVIE.swf --frames A-B -o OUT_%d.png`
// Frames count from 0. Optional `--size WxH` (default: the movie's own size).

#include "swf/reader/DecodedMovie.h"

#include <memory>
#include <string>
#include <vector>

namespace glimmora::cli {

// `args` are the words after "render". Throws UsageError for bad arguments
// and std::runtime_error when the movie cannot be read or a file not written.
int RunRenderCommand(const std::vector<std::string>& args);

// Writes frames first..last of a decoded movie as PNG files named by
// `pattern` ("%d" becomes the frame number). A size of 0x0 means the movie's
// own size. Each file is written beside its name and renamed over it; a name
// that is a folder, a pipe or a device is refused before anything is drawn.
// Returns the names written. Throws std::runtime_error on a missing frame or
// a failed write, with the reason.
std::vector<std::string> RenderMovieFrames(std::shared_ptr<const swf::DecodedMovie> movie, int first, int last,
                       const std::string& pattern, int width = 0, int height = 0);

}  // namespace glimmora::cli
