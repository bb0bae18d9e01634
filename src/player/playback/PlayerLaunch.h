#pragma once
// How the standalone player was started: with an SWF file argument, as a
// projector (its own file carries a movie behind a marked trailer) or as a
// screensaver (its own file carries a movie behind a length-only trailer),
// and what the screensaver arguments ask for.
//
// Screensaver arguments: Windows' "/s" (show), "/c" (configure) and
// "/p HWND" (preview); the X screensaver daemons' "-root" (full screen) and
// "-window-id ID" (draw into that window, as settings programs' previews
// ask). The daemons that draw a hack into a window of their own
// (xscreensaver, xfce4-/mate-screensaver) name it in the environment variable
// XSCREENSAVER_WINDOW, which then wins over full screen.
//
// In every mode "--quality low|medium|high|best" (or "--quality=NAME") sets
// the quality the movie is drawn at until its scripts choose one.

#include "player/timeline/StageQuality.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace glimmora::player {

struct LaunchPlan {
    enum class Mode {
        Window,      // play the movie in a window sized to it
        FullScreen,  // screensaver: full screen, ends on input
        InWindow,    // screensaver: fill the window `hostWindow` of the daemon
        Configure,   // screensaver "/c": nothing to configure
        Quit,        // screensaver "/p", or no usable window: end quietly
        Error,       // `error` says why; exit code 1
    };
    Mode mode = Mode::Error;
    // Where the movie is: the whole of `moviePath` when `embedded` is false,
    // else `length` bytes at `offset` of it.
    std::string moviePath;
    bool embedded = false;
    uint64_t offset = 0, length = 0;
    uint64_t hostWindow = 0;  // for InWindow
    std::optional<StageQuality> quality;  // asked for on the command line
    std::string error;
};

// `args` are the command-line arguments without the program name; `selfPath`
// is the player's own executable file; `hostWindow` is the value of
// XSCREENSAVER_WINDOW (empty when unset). Never throws.
LaunchPlan DecideLaunch(const std::vector<std::string>& args, const std::string& selfPath,
                        const std::string& hostWindow = {});

// The movie bytes the plan names; throws std::runtime_error.
std::vector<uint8_t> ReadPlannedMovie(const LaunchPlan& plan);

}  // namespace glimmora::player
