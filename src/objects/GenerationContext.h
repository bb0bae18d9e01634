#pragma once
// What a generation run needs besides the effect object: the service objects,
// where messages go, the random generator and the project's base path.

#include "document/ProjectMedia.h"
#include "objects/ErrorReporter.h"
#include "objects/RandomSource.h"
#include "objects/SwfHolders.h"

#include <filesystem>

namespace glimmora {

struct GenerationContext {
    SwfHolders* swf = nullptr;
    IErrorReporter* errors = nullptr;
    IRandomSource* random = nullptr;
    // The builder's BasePath: pictures and sounds are looked up in its folder.
    std::filesystem::path basePath;
    // The editor's record of media imported, renamed and deleted since the
    // last save; nothing for a build of the saved project alone.
    const ProjectMedia* media = nullptr;
};

}  // namespace glimmora
