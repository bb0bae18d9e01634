#pragma once
// Our own SWF encoder behind the service interface.

#include "swf/SwfService.h"
#include "swf/encoder/GlyphSource.h"

#include <memory>

namespace glimmora {

// Outlines and measures come from swf::FontLibrary::Shared().
std::unique_ptr<swfService> MakeEncoderService();

// The same with another glyph source (tests).
std::unique_ptr<swfService> MakeEncoderService(std::shared_ptr<swf::GlyphSource> glyphs);

}  // namespace glimmora
