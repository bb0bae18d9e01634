#pragma once
// New objects of a project, made by the document adapters with the values the
// editor gives a new object (the first free "Text_N", "Pic_N" or "Sound_N"
// name unless one is given), at the end of the document, starting at frame 0.

#include "app/cli/OpenProject.h"

#include <string>

namespace glimmora::cli {

// `kind` is "Text", "Pic" or "Sound". A given `name` must have passed
// CheckNewObjectName.
IXMLObj AddObject(OpenProject& project, const std::string& kind, const std::string& name = "");

}  // namespace glimmora::cli
