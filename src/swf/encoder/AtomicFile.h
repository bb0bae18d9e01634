#pragma once
// Writes a file beside its target and renames it over the target, so that a
// failed write never leaves a truncated file. Throws SwfError on failure.

#include <cstdint>
#include <string>
#include <vector>

namespace glimmora::swf {

void WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace glimmora::swf
