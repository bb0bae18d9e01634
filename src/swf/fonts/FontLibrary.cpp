#include "swf/fonts/FontLibrary.h"

#include "swf/fonts/FaceCache.h"
#include "swf/fonts/FontResolver.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace glimmora::swf {
namespace {

// Whole-text results are dropped wholesale past this many entries so that a
// long editing session cannot grow the cache without bound.
constexpr size_t kMaxCachedTexts = 4096;

bool IsValidCodePoint(char32_t ch) { return ch <= 0x10FFFF && !(ch >= 0xD800 && ch <= 0xDFFF); }

void AppendShifted(GlyphOutline& into, const GlyphOutline& glyph, int32_t dx) {
    for (const Contour& contour : glyph.contours) {
        Contour moved = contour;
        moved.start.x += dx;
        for (OutlineSegment& segment : moved.segments) {
            segment.to.x += dx;
            if (segment.curved) segment.control.x += dx;
        }
        into.contours.push_back(std::move(moved));
    }
}

}  // namespace

struct FontLibrary::Impl {
    FontResolver resolver;
    FaceCache faces;
    std::map<std::pair<std::string, std::u32string>, GlyphOutline> texts;
    std::map<FaceLocation, GlyphOutline> missing;  // per face: no outline, the notdef advance
    const GlyphOutline nothing{};                  // when no face opens at all

    // The outline of one character as `family` shows it (advance included).
    const GlyphOutline& Character(const std::string& family, char32_t ch) {
        std::optional<FaceLocation> primary = resolver.ResolveFamily(family);
        FT_Face face = primary ? faces.Open(*primary) : nullptr;
        if (face && IsValidCodePoint(ch)) {
            if (FT_UInt index = FT_Get_Char_Index(face, FT_ULong(ch)); index != 0) {
                return faces.Glyph(*primary, index);
            }
            if (std::optional<FaceLocation> other = resolver.FaceWithCharacter(ch)) {
                if (FT_Face fallback = faces.Open(*other)) {
                    if (FT_UInt index = FT_Get_Char_Index(fallback, FT_ULong(ch)); index != 0) {
                        return faces.Glyph(*other, index);
                    }
                }
            }
        }
        // No installed face has it: advance like the missing-glyph box, draw nothing.
        if (!face) return nothing;
        auto found = missing.find(*primary);
        if (found == missing.end()) {
            GlyphOutline blank;
            blank.advance = faces.Glyph(*primary, 0).advance;
            found = missing.emplace(*primary, blank).first;
        }
        return found->second;
    }

    const GlyphOutline& Text(const std::string& family, const std::u32string& text) {
        auto key = std::make_pair(family, text);
        auto found = texts.find(key);
        if (found != texts.end()) return found->second;
        if (texts.size() >= kMaxCachedTexts) texts.clear();

        GlyphOutline whole;
        int32_t pen = 0;
        for (char32_t ch : text) {
            const GlyphOutline& glyph = Character(family, ch);
            AppendShifted(whole, glyph, pen);
            pen += glyph.advance;
        }
        whole.advance = pen;
        return texts.emplace(std::move(key), std::move(whole)).first->second;
    }
};

FontLibrary::FontLibrary() : impl_(std::make_unique<Impl>()) {}
FontLibrary::~FontLibrary() = default;

FontLibrary& FontLibrary::Shared() {
    static FontLibrary library;
    return library;
}

GlyphOutline FontLibrary::TextOutline(const std::string& family, const std::u32string& text) {
    return impl_->Text(family, text);
}

int32_t FontLibrary::TextAdvance(const std::string& family, const std::u32string& text) {
    return impl_->Text(family, text).advance;
}

int32_t FontLibrary::BaselineOffset(const std::string& family) {
    std::optional<FaceLocation> location = impl_->resolver.ResolveFamily(family);
    FT_Face face = location ? impl_->faces.Open(*location) : nullptr;
    if (!face) return 819;  // a typical 4:1 ascent to descent
    double ascent = face->ascender, descent = std::abs(double(face->descender));
    if (ascent + descent <= 0) {
        ascent = face->bbox.yMax;
        descent = std::abs(double(face->bbox.yMin));
    }
    if (ascent + descent <= 0) return 819;
    long offset = std::lround(1024.0 * ascent / (ascent + descent));
    return int32_t(std::clamp(offset, 0L, 1024L));
}

std::string FontLibrary::ResolvedFile(const std::string& family) {
    std::optional<FaceLocation> location = impl_->resolver.ResolveFamily(family);
    return location ? location->file : std::string();
}

}  // namespace glimmora::swf
