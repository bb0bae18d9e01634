#pragma once
// The program folder: where the running program lies, beside the player, the
// templates and the examples (in the build tree and in an installed tree).

#include <filesystem>

namespace glimmora::files {

// The folder of the running executable (symbolic links followed, so a link
// in bin/ leads to the program folder).
std::filesystem::path ProgramFolder();

}  // namespace glimmora::files
