#pragma once
// The character dictionary of one movie being written: gives each used
// content, bitmap and font its id and writes its definition tags the first
// time a frame needs them. Each font family becomes one DefineFont2 holding
// exactly the distinct outlines its placed texts use, numbered 1..N. A
// sprite's children are defined before the sprite.

#include "swf/encoder/Content.h"
#include "swf/writer/BitWriter.h"
#include "swf/writer/SpriteTags.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace glimmora::swf {

class CharacterDefinitions {
public:
    // `used[i]` tells whether contents[i] appears in the movie.
    // `version`: the movie's, for counting records as the reader would.
    CharacterDefinitions(const std::vector<std::shared_ptr<const Content>>& contents,
                         const std::vector<uint8_t>& used, int version);

    // The id of the content, writing its definitions first if needed.
    // Throws SwfError past 65535 characters.
    uint16_t Ensure(BitWriter& out, uint32_t content);

    // The records our reader counts in the definitions written so far.
    size_t Records() const { return records_; }

private:
    struct FontPlan {
        std::string family;
        int32_t baseline = 0;
        std::vector<const CachedGlyph*> glyphs;
        std::unordered_map<const CachedGlyph*, uint32_t> index;
        uint16_t id = 0;
    };

    uint16_t NextId();
    uint16_t EnsureBitmap(BitWriter& out, const BitmapImage& image);
    uint16_t EnsureFont(BitWriter& out, FontPlan& font);
    void CountWritten(const BitWriter& out, size_t from);
    std::vector<StillChild> EnsureChildren(BitWriter& out, const Content& sprite);

    const std::vector<std::shared_ptr<const Content>>& contents_;
    std::vector<uint16_t> ids_;
    std::vector<uint32_t> textFont_;
    std::vector<FontPlan> fonts_;
    std::unordered_map<const BitmapImage*, uint16_t> bitmapIds_;
    std::unordered_map<const Content*, uint32_t> indexOf_;  // filled for the first sprite
    BitWriter scratch_;
    uint32_t nextId_ = 1;
    int version_ = 0;
    size_t records_ = 0;
};

}  // namespace glimmora::swf
