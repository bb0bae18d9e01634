#pragma once
// Optional parts of the programs that live in shared libraries of the
// program folder and are opened only when first needed. FFmpeg's libraries
// bring about a hundred more with them; linked into the programs, they
// would cost every start of glimmora-cli and glimmora-player (a sound
// conversion, a projector) tens of milliseconds of loading for a video that
// most runs never make.
//
// A module names one entry function with C linkage. It is looked for in the
// running process first (a test program that links the module's code has
// it), then in the module file beside the running program. The module stays
// loaded for the life of the process.

#include <stdexcept>

namespace glimmora::player {

// The module of FFmpeg's encoders (the export's) and decoders (embedded videos').
inline constexpr char kFfmpegModuleFile[] = "glimmora-ffmpeg.so";

class ModuleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The address of `entry` in module `fileName` (a file name, no folder).
// Throws ModuleError naming the file and why it could not be opened, in
// words that follow a colon: "cannot load \"/usr/lib/...\" (why)".
void* ModuleEntry(const char* fileName, const char* entry);

}  // namespace glimmora::player
