#pragma once
// What the movies and holders of one encoder service share: the outline
// cache, the checked picture and sound files and the interned contents. They
// outlive every build, so a rebuild reuses all of them.

#include "swf/encoder/ContentStore.h"
#include "swf/encoder/GlyphCache.h"
#include "swf/encoder/MediaFileCache.h"

#include <cstdint>
#include <memory>

namespace glimmora::swf {

struct EncoderContext {
    explicit EncoderContext(std::shared_ptr<GlyphSource> source) : glyphs(std::move(source)) {}

    GlyphCache glyphs;
    MediaFileCache media;
    ContentStore contents;
    uint32_t nextHolderId = 1;
};

}  // namespace glimmora::swf
