#include "swf/encoder/GlyphCache.h"

#include "swf/SwfService.h"
#include "swf/writer/GlyphShape.h"

#include <exception>

namespace glimmora::swf {

std::shared_ptr<const CachedGlyph> GlyphCache::Glyph(const std::string& family,
                                                     const std::u32string& text)
{
    key_.assign(family);
    key_.push_back('\0');
    key_.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char32_t));
    auto found = glyphs_.find(key_);
    if (found != glyphs_.end()) {
        found->second->lastUsed = build_;
        return found->second;
    }
    GlyphOutline outline;
    try {
        outline = source_->TextOutline(family, text);
    } catch (const SwfError&) {
        throw;
    } catch (const std::exception& e) {
        throw SwfError("Cannot outline text in font \"" + family + "\": " + e.what());
    }
    auto glyph = std::make_shared<CachedGlyph>();
    glyph->shape = EncodeGlyphShape(outline);
    glyph->bounds = OutlineBounds(outline);
    glyph->advance = outline.advance;
    glyph->lastUsed = build_;
    glyphs_.emplace(key_, glyph);
    return glyph;
}

int32_t GlyphCache::BaselineOffset(const std::string& family)
{
    auto found = baselines_.find(family);
    if (found != baselines_.end()) {
        return found->second;
    }
    int32_t baseline = 0;
    try {
        baseline = source_->BaselineOffset(family);
    } catch (const SwfError&) {
        throw;
    } catch (const std::exception& e) {
        throw SwfError("Cannot measure font \"" + family + "\": " + e.what());
    }
    baselines_.emplace(family, baseline);
    return baseline;
}

void GlyphCache::NextBuild()
{
    ++build_;
    if (glyphs_.size() <= kPruneAbove) {
        return;
    }
    for (auto it = glyphs_.begin(); it != glyphs_.end();) {
        // A glyph that a kept part still shows stays, so that a part made
        // again finds the very glyph the kept ones use.
        if (it->second->lastUsed + 2 < build_ && it->second.use_count() == 1) {
            it = glyphs_.erase(it);
        } else {
            ++it;
        }
    }
}

}  // namespace glimmora::swf
