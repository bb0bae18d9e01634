#pragma once
// The movie a command works on: an SWF file as it is, or a project built
// first with the editor's builder (into a private file, removed after).

#include "swf/reader/DecodedMovie.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace glimmora {
class IErrorReporter;
}

namespace glimmora::cli {

struct MovieInput {
    swf::DecodedMovie movie;
    std::vector<uint8_t> swf;  // the file's bytes
};

// Throws on a file that cannot be read, built or decoded; messages about
// single pictures or sounds of a project go to `reporter`.
MovieInput LoadMovieInput(const std::filesystem::path& input, IErrorReporter& reporter);

}  // namespace glimmora::cli
