#pragma once
// What the renderer derives from a movie's characters, computed once per
// character: converted shapes, decoded bitmaps (and their colour-transformed
// copies) and glyph outlines.

#include "player/ShapeConverter.h"
#include "swf/reader/DecodedMovie.h"

#include <QImage>
#include <QPainterPath>

#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace glimmora::player {

class CharacterCache {
public:
    explicit CharacterCache(std::shared_ptr<const swf::DecodedMovie> movie);

    const swf::DecodedMovie& Movie() const { return *movie_; }
    // The character with this id, or null.
    const swf::Character* Find(uint16_t id) const;

    // Null for an id that is not a shape.
    const ConvertedShape* Shape(uint16_t id);
    // A null image for a missing or undecodable bitmap.
    const QImage& Bitmap(uint16_t id);
    const QImage& Bitmap(uint16_t id, const swf::ColorTransform& cx);
    // A copy of a cached bitmap with `pad` rows and columns of its edge pixels
    // repeated around it (clipped bitmap fills extend their edges).
    const QImage& EdgePadded(const QImage& image, int pad);
    // The glyph outline in font units (empty for a bad index or font).
    const QPainterPath& Glyph(uint16_t fontId, uint32_t index);

private:
    using CxKey = std::tuple<uint16_t, int16_t, int16_t, int16_t, int16_t, int16_t, int16_t,
                             int16_t, int16_t>;

    std::shared_ptr<const swf::DecodedMovie> movie_;
    std::map<uint16_t, ConvertedShape> shapes_;
    std::map<uint16_t, QImage> bitmaps_;
    std::map<CxKey, QImage> tintedBitmaps_;
    std::map<std::pair<qint64, int>, QImage> paddedBitmaps_;
    std::map<uint16_t, std::vector<QPainterPath>> glyphs_;
    QImage nullImage_;
    QPainterPath emptyPath_;
};

}  // namespace glimmora::player
