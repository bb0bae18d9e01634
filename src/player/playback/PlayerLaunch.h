#pragma once
// How the standalone player was started: with an SWF file argument, as a
// projector (its own file carries a movie behind a marked trailer) or as a
// screensaver (its own file carries a movie behind a length-only trailer),
// and what the screensaver arguments ask for.

#include <cstdint>
#include <string>
#include <vector>

namespace glimmora::player {

struct LaunchPlan {
    enum class Mode {
        Window,      // play the movie in a window sized to it
        FullScreen,  // screensaver: full screen, ends on input
        Configure,   // screensaver "/c": nothing to configure
        Quit,        // screensaver "/p": no preview; end quietly
        Error,       // `error` says why; exit code 1
    };
    Mode mode = Mode::Error;
    // Where the movie is: the whole of `moviePath` when `embedded` is false,
    // else `length` bytes at `offset` of it.
    std::string moviePath;
    bool embedded = false;
    uint64_t offset = 0, length = 0;
    std::string error;
};

// `args` are the command-line arguments without the program name; `selfPath`
// is the player's own executable file. Never throws.
LaunchPlan DecideLaunch(const std::vector<std::string>& args, const std::string& selfPath);

// The movie bytes the plan names; throws std::runtime_error.
std::vector<uint8_t> ReadPlannedMovie(const LaunchPlan& plan);

}  // namespace glimmora::player
