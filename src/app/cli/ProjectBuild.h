#pragma once
// Builds a project's movie headless, with the builder the editor uses. The
// project is loaded into a private working copy, so neither the project file
// nor the editor's working copy is touched.

#include <filesystem>
#include <string>

namespace glimmora {
class IErrorReporter;
}

namespace glimmora::cli {

// Writes the movie of `project` to `target`; pictures and sounds are looked up
// beside the project. Throws on an error that stops the build; messages about
// single pictures or sounds go to `reporter` and the build goes on.
void BuildProjectMovie(const std::filesystem::path& project, const std::filesystem::path& target,
                       IErrorReporter& reporter);

}  // namespace glimmora::cli
