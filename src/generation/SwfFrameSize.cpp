#include "generation/SwfFrameSize.h"

#include "swf/reader/DecodedMovie.h"

namespace glimmora {

int SwfFrameWidth(const std::string& path) { return swf::ReadHeaderFile(path).WidthPixels(); }

int SwfFrameHeight(const std::string& path) { return swf::ReadHeaderFile(path).HeightPixels(); }

}  // namespace glimmora
