#pragma once
// The busy reference movie of the benchmarks: 800 x 600, 40 texts of 20
// letters with letter effects, 20 pictures of 320 x 240 with animated
// effects, and two sounds, written as a project into a folder.

#include <filesystem>

namespace glimmora::bench {

// Writes "busy.gmr" with its pictures and sounds into `folder`; returns the project path.
std::filesystem::path WriteBusyProject(const std::filesystem::path& folder);

}  // namespace glimmora::bench
