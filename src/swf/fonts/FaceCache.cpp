#include "swf/fonts/FaceCache.h"

#include "swf/fonts/OutlineConversion.h"

#include <cmath>

namespace glimmora::swf {

double EmScale(FT_Face face) {
    return face && face->units_per_EM > 0 ? 1024.0 / face->units_per_EM : 1.0;
}

FaceCache::FaceCache() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
}

FaceCache::~FaceCache() {
    for (auto& [location, face] : faces_) {
        if (face) FT_Done_Face(face);
    }
    if (library_) FT_Done_FreeType(library_);
}

FT_Face FaceCache::Open(const FaceLocation& location) {
    auto found = faces_.find(location);
    if (found != faces_.end()) return found->second;
    FT_Face face = nullptr;
    if (!library_ || FT_New_Face(library_, location.file.c_str(), location.index, &face) != 0) {
        face = nullptr;
    }
    faces_.emplace(location, face);
    return face;
}

const GlyphOutline& FaceCache::Glyph(const FaceLocation& location, unsigned glyphIndex) {
    auto key = std::make_pair(location, glyphIndex);
    auto found = glyphs_.find(key);
    if (found != glyphs_.end()) return found->second;

    GlyphOutline outline;
    FT_Face face = Open(location);
    if (face && FT_Load_Glyph(face, glyphIndex, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) == 0) {
        double scale = EmScale(face);
        if (face->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
            outline = ConvertOutline(face->glyph->outline, scale);
        }
        // Unscaled loads report metrics in font units.
        outline.advance = int32_t(std::lround(double(face->glyph->metrics.horiAdvance) * scale));
    }
    return glyphs_.emplace(key, std::move(outline)).first->second;
}

}  // namespace glimmora::swf
