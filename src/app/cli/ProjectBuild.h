#pragma once
// Builds a project's movie headless, with the builder the editor uses. The
// project is loaded into a private working copy, so neither the project file
// nor the editor's working copy is touched.

#include "document/XmlBinding.h"

#include <filesystem>
#include <functional>
#include <string>

namespace glimmora {
class IErrorReporter;
}

namespace glimmora::cli {

// Writes the movie of `project` to `target`; pictures and sounds are looked up
// beside the project. Throws on an error that stops the build; messages about
// single pictures or sounds go to `reporter` and the build goes on. `edit`,
// when given, changes the working copy before the build.
void BuildProjectMovie(const std::filesystem::path& project, const std::filesystem::path& target,
                       IErrorReporter& reporter, const std::function<void(IXMLMovie&)>& edit = {});

}  // namespace glimmora::cli
