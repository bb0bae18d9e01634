#pragma once
// `glimmora-cli render MOVIE.swf --frame N -o OUT.png`
// `glimmora-cli render MOVIE.swf --frames A-B -o OUT_%d.png`
// `glimmora-cli render MOVIE.swf --ticks N -o OUT.png` (or `--ticks A-B`)
// Frames count from 0 and are those of the main timeline, as a seek shows
// them. Ticks play the movie: it starts, and the player advances N times as
// playback does (scripts run, every sprite moves on, a stopped main timeline
// stays put), looping at the end. Optional `--size WxH` (default: the movie's
// own size) and `--quality low|medium|high|best`.

#include "player/timeline/Stage.h"
#include "swf/reader/DecodedMovie.h"

#include <memory>
#include <string>
#include <vector>

namespace glimmora::cli {

// What to draw: main-timeline frames first..last, or the stages after
// first..last ticks of playing.
struct RenderRange {
    enum class Unit { Frames, Ticks };
    Unit unit = Unit::Frames;
    int first = 0, last = 0;
};

// zlib's level for the PNG files: 1, fast, unless asked for smaller files.
inline constexpr int kDefaultPngCompression = 1;

// Writes the stages of `range` as PNG files named by `pattern` ("%d" becomes
// the frame or tick number). A size of 0x0 means the movie's own size. Each
// file is written beside its name and renamed over it; a name that is a
// folder, a pipe or a device is refused before anything is drawn. Returns
// the names written. Throws std::runtime_error on a missing frame or a
// failed write, with the reason.
// `quality` holds until the movie's scripts choose another.
std::vector<std::string> RenderMovie(std::shared_ptr<const swf::DecodedMovie> movie, const RenderRange& range,
                                     const std::string& pattern, int width = 0, int height = 0,
                                     int compression = kDefaultPngCompression,
                                     player::StageQuality quality = player::StageQuality::High);

}  // namespace glimmora::cli
