#pragma once
// What the movies and holders of one encoder service share: the outline
// cache, the checked picture and sound files, the interned contents and the
// holders by id. They outlive every build, so a rebuild reuses all of them.

#include "swf/encoder/ContentStore.h"
#include "swf/encoder/GlyphCache.h"
#include "swf/encoder/MediaFileCache.h"

#include <cstdint>
#include <memory>
#include <unordered_map>

namespace glimmora::swf {

class EncoderObject;
class Timeline;

struct EncoderContext {
    explicit EncoderContext(std::shared_ptr<GlyphSource> source) : glyphs(std::move(source)) {}

    GlyphCache glyphs;
    MediaFileCache media;
    ContentStore contents;
    uint32_t nextHolderId = 1;
    std::unordered_map<uint32_t, EncoderObject*> holders;
    // The timeline recording a part, which the holders tell what they read and set.
    Timeline* recording = nullptr;
};

}  // namespace glimmora::swf
