#pragma once
// What a holder carries and a placement shows: a picture, a rectangle, a text
// or a sound; or, made by the writer alone, a sprite of placements that no
// longer change, folded into one object. Contents are immutable and interned,
// so one pointer stands for one definition in the written movie.

#include "swf/format/Records.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace glimmora::swf {

// A checked picture file, ready for its bitmap definition, and its real size
// in pixels. A JPEG file goes in as it is; a picture with an alpha channel as
// a JPEG with an alpha plane or as lossless ARGB, whichever is much smaller.
struct BitmapImage {
    enum class Form : uint8_t {
        Jpeg,           // bytes: the JPEG file (DefineBitsJPEG2)
        JpegWithAlpha,  // bytes: JPEG of premultiplied colours; alpha: zlib plane (DefineBitsJPEG3)
        Lossless,       // bytes: zlib stream of premultiplied ARGB (DefineBitsLossless2)
    };
    Form form = Form::Jpeg;
    std::vector<uint8_t> bytes;
    std::vector<uint8_t> alpha;
    int width = 0, height = 0;
    uint64_t hash = 0;

    bool operator==(const BitmapImage&) const = default;
};

// 16-bit mono little-endian PCM samples of a WAV file.
struct WaveSound {
    std::vector<uint8_t> samples;
    uint32_t rate = 0;
    int rateCode = 0;  // 0 = 5512, 1 = 11025, 2 = 22050, 3 = 44100 Hz
    uint64_t hash = 0;
};

// The outline of one (family, text) pair, encoded once as a glyph SHAPE.
struct CachedGlyph {
    std::vector<uint8_t> shape;
    Rect bounds;          // in glyph units, y down from the baseline
    int32_t advance = 0;  // 1024ths of an em
    mutable uint64_t lastUsed = 0;
    // The records our reader counts in `shape`, once counted.
    mutable size_t records = kUncounted;
    static constexpr size_t kUncounted = ~size_t(0);
};

enum class ContentKind : uint8_t { Picture, Rectangle, Text, Sound, Sprite };

struct Content;

// A content shown inside a sprite, as the movie writes it.
struct SpriteChild {
    std::shared_ptr<const Content> content;
    Matrix matrix;
    ColorTransform colorTransform;
};

struct Content {
    ContentKind kind = ContentKind::Rectangle;
    Twips width = 0, height = 0;  // the box: pictures, rectangles, texts
    std::shared_ptr<const BitmapImage> image;
    std::shared_ptr<const WaveSound> sound;
    // Texts: the font family, the glyphs in sequence, the baseline below the
    // box top, and the bounds of the drawn glyphs in the text's space.
    std::string family;
    std::vector<std::shared_ptr<const CachedGlyph>> glyphs;
    int32_t baseline = 0;
    Rect textBounds;
    // Sprites: their one frame, bottom to top.
    std::vector<SpriteChild> children;

    bool Visible() const { return kind != ContentKind::Sound; }
};

}  // namespace glimmora::swf
