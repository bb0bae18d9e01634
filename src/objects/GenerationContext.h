#pragma once
// What a generation run needs besides the effect object: the service objects,
// where messages go, the random generator and the project's base path.

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
};

}  // namespace glimmora
