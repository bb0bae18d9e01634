#pragma once
// Open FreeType faces by file and the outlines of their glyphs, cached.

#include "swf/fonts/FontResolver.h"
#include "swf/fonts/GlyphOutline.h"

#include <map>
#include <utility>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace glimmora::swf {

class FaceCache {
public:
    FaceCache();
    ~FaceCache();
    FaceCache(const FaceCache&) = delete;
    FaceCache& operator=(const FaceCache&) = delete;

    // The face at `location`, or null when FreeType cannot open it.
    FT_Face Open(const FaceLocation& location);

    // Glyph `glyphIndex` of the face at `location`, on a 1024-unit em, y down.
    // A glyph FreeType cannot load has an empty outline.
    const GlyphOutline& Glyph(const FaceLocation& location, unsigned glyphIndex);

private:
    FT_Library library_ = nullptr;
    std::map<FaceLocation, FT_Face> faces_;  // null for files that failed
    std::map<std::pair<FaceLocation, unsigned>, GlyphOutline> glyphs_;
};

// 1024 / units per em of the face (1 when the face does not say).
double EmScale(FT_Face face);

}  // namespace glimmora::swf
