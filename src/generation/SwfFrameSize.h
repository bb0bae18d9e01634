#pragma once
// The movie size in pixels from an SWF file's header, for sizing the preview.

#include <string>

namespace glimmora {

// Xmax and Ymax of the header's frame rectangle divided by 20 (integer
// division). Compressed (CWS) files are read correctly too. Throws
// swf::DecodeError for a file that is not an SWF or is cut short.
int SwfFrameWidth(const std::string& path);
int SwfFrameHeight(const std::string& path);

}  // namespace glimmora
