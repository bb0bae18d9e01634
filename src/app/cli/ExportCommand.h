#pragma once
// `glimmora-cli export PROJECT.gmr|MOVIE.swf -o OUT [--size WxH | --scale S]
//  [--frames A-B] [--quality Q] [--loop N]`
// The output's extension chooses the format: .mp4, .webm, .gif, .webp,
// .apng, .png (an animated PNG; with %d in the name a numbered sequence),
// .html (the self-contained web page). Frames count from 0.

#include <string>
#include <vector>

namespace glimmora::cli {

// `args` are the words after "export". Throws UsageError for bad arguments
// and std::runtime_error when nothing could be written.
int RunExportCommand(const std::vector<std::string>& args);

}  // namespace glimmora::cli
