#pragma once
// Everything a document object's generation depends on, as one string: equal
// keys give equal calls on the SWF service, so a build may put back the part
// an earlier build made for the same key. Files are not in it: the service
// checks those it used itself.

#include "document/XmlBinding.h"

#include <filesystem>
#include <string>

namespace glimmora {

// The key of `obj`, of kind `kind` ("Text", "Pic" or "Sound"), in `movie`,
// whose files are found beside `basePath`.
std::string GenerationKey(const std::string& kind, const IXMLObj& obj, const IXMLMovie& movie,
                          const std::filesystem::path& basePath);

}  // namespace glimmora
