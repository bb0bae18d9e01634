#pragma once
// What the renderer derives from a movie's characters, computed once per
// character: converted shapes (morph shapes at the ratios drawn), decoded bitmaps (and their colour-transformed
// copies) and glyph outlines.
//
// Decoded pictures are what a long movie's memory is made of, so they are
// kept only while they are drawn, plus a budget of recently drawn ones
// (those likely to come back soon: a picture shown again after a pause, a
// seek back). Between frames (EndFrame) the least recently drawn pictures
// beyond the budget are dropped, and every colour-transformed or padded copy
// the frame did not draw; a dropped picture is decoded again, to the same
// pixels, when it is drawn again.

#include "player/ShapeConverter.h"
#include "swf/reader/DecodedMovie.h"

#include <QImage>
#include <QPainterPath>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

namespace glimmora::player {

class CharacterCache {
public:
    // 32 MiB: some 100 pictures of 320 x 240, or 17 of 800 x 600.
    static constexpr int64_t kDefaultBitmapBudget = int64_t(32) << 20;

    explicit CharacterCache(std::shared_ptr<const swf::DecodedMovie> movie,
                            int64_t bitmapBudget = kDefaultBitmapBudget);

    const swf::DecodedMovie& Movie() const { return *movie_; }
    // The character with this id, or null.
    const swf::Character* Find(uint16_t id) const;

    // Null for an id that is not a shape.
    const ConvertedShape* Shape(uint16_t id);
    // A morph shape at `ratio`; null for an id that is not a morph shape.
    // Kept while frames draw it at that ratio.
    const ConvertedShape* MorphShape(uint16_t id, uint16_t ratio);
    // A null image for a missing or undecodable bitmap.
    const QImage& Bitmap(uint16_t id);
    const QImage& Bitmap(uint16_t id, const swf::ColorTransform& cx);
    // A copy of a cached bitmap with `pad` rows and columns of its edge pixels
    // repeated around it (clipped bitmap fills extend their edges).
    const QImage& EdgePadded(const QImage& image, int pad);
    // The glyph outline in font units (empty for a bad index or font),
    // converted the first time it is asked for: a long movie's font holds
    // hundreds of glyphs, of which a frame draws a few.
    const QPainterPath& Glyph(uint16_t fontId, uint32_t index);

    // Ends a frame: images returned before stay valid until this call.
    void EndFrame();
    // Decoded pictures held, and their bytes (for measuring and tests).
    size_t BitmapCount() const { return bitmaps_.size(); }
    bool HoldsBitmap(uint16_t id) const { return bitmaps_.count(id) != 0; }
    int64_t BitmapBytes() const { return bitmapBytes_; }

private:
    struct CachedImage {
        QImage image;
        uint64_t lastFrame = 0;  // the frame that last asked for it
    };

    struct CachedMorph {
        ConvertedShape shape;
        uint64_t lastFrame = 0;
    };

    using CxKey = std::tuple<uint16_t, int16_t, int16_t, int16_t, int16_t, int16_t, int16_t,
                             int16_t, int16_t>;

    std::shared_ptr<const swf::DecodedMovie> movie_;
    std::map<uint16_t, ConvertedShape> shapes_;
    std::map<std::pair<uint16_t, uint16_t>, CachedMorph> morphs_;  // by (id, ratio)
    std::map<uint16_t, CachedImage> bitmaps_;
    std::map<CxKey, CachedImage> tintedBitmaps_;
    std::map<std::pair<qint64, int>, CachedImage> paddedBitmaps_;
    int64_t bitmapBudget_;
    int64_t bitmapBytes_ = 0;  // of bitmaps_
    uint64_t frame_ = 1;
    struct FontOutlines {
        const swf::Font* font = nullptr;
        std::vector<std::optional<QPainterPath>> glyphs;  // by index, once converted
    };
    std::map<uint16_t, FontOutlines> glyphs_;
    QImage nullImage_;
    QPainterPath emptyPath_;
};

}  // namespace glimmora::player
