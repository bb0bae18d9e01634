#pragma once
// A project built as the editor builds it (the builder over the encoder),
// and the movie it wrote, decoded.

#include "swf/reader/DecodedMovie.h"

#include <filesystem>
#include <memory>

namespace glimmora::test {

// Builds `project` beside itself; the build must report nothing.
std::shared_ptr<const swf::DecodedMovie> BuiltMovie(const std::filesystem::path& project);

}  // namespace glimmora::test
