#pragma once
// Outlines per (family, text), encoded once and kept across builds, and the
// baseline per family. Entries unused for a few builds, and held by nothing
// else, are dropped once the cache grows large.

#include "swf/encoder/Content.h"
#include "swf/encoder/GlyphSource.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace glimmora::swf {

class GlyphCache {
public:
    explicit GlyphCache(std::shared_ptr<GlyphSource> source) : source_(std::move(source)) {}

    // Throws SwfError when the font library fails.
    std::shared_ptr<const CachedGlyph> Glyph(const std::string& family, const std::u32string& text);
    int32_t BaselineOffset(const std::string& family);

    // A new build begins; entries not used for two builds may go.
    void NextBuild();
    size_t Size() const { return glyphs_.size(); }

    static constexpr size_t kPruneAbove = 4096;

private:
    std::shared_ptr<GlyphSource> source_;
    std::unordered_map<std::string, std::shared_ptr<const CachedGlyph>> glyphs_;
    std::unordered_map<std::string, int32_t> baselines_;
    std::string key_;
    uint64_t build_ = 1;
};

}  // namespace glimmora::swf
