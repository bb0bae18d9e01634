#include "player/OpaqueCover.h"

#include "player/QtConversions.h"

#include <QPainterPath>
#include <QRectF>

#include <algorithm>
#include <variant>
#include <vector>

namespace glimmora::player {
namespace {

// Whether a colour of full alpha keeps it: a * mult / 256 + add >= 255 for a = 255.
bool KeepsFullAlpha(const swf::ColorTransform& cx) { return cx.multA >= 256 && cx.addA >= 0; }

// Pictures that have no alpha: JPEG data (a DefineBitsJPEG2 may also hold a
// PNG or GIF) and lossless ones without alpha; one that does not decode draws nothing.
bool OpaquePicture(uint16_t id, CharacterCache& cache)
{
    const auto* bitmap = std::get_if<swf::Bitmap>(cache.Find(id));
    if (!bitmap) return false;
    const bool jpeg = bitmap->kind == swf::Bitmap::Kind::Jpeg && bitmap->data.size() > 2 &&
                      bitmap->data[0] == 0xFF && bitmap->data[1] == 0xD8;
    const bool lossless = bitmap->kind == swf::Bitmap::Kind::Lossless && !bitmap->losslessAlpha;
    return (jpeg || lossless) && !cache.Bitmap(id).isNull();
}

bool Opaque(const swf::FillStyle& style, CharacterCache& cache)
{
    using Type = swf::FillStyle::Type;
    switch (style.type) {
    case Type::Solid:
        return style.color.a == 255;
    case Type::Linear:
    case Type::Radial:
    case Type::Focal:
        return !style.stops.empty() && std::all_of(style.stops.begin(), style.stops.end(),
                                                   [](const swf::GradientStop& s) { return s.color.a == 255; });
    default:
        return OpaquePicture(style.bitmapId, cache);
    }
}

// The quick tests: a shape over the whole area, drawn with full alpha.
bool MayHideAll(const DisplayObject& object, const QTransform& toDevice, const QRectF& area, CharacterCache& cache)
{
    // Blend modes, filters and a bitmap cache draw through a layer of their own, which may mix.
    if (!object.visible || object.timeline != 0 || !KeepsFullAlpha(object.colorTransform) ||
        object.blendMode != swf::BlendMode::Normal || object.filters || object.cacheAsBitmap) {
        return false;
    }
    const auto* shape = std::get_if<swf::Shape>(cache.Find(object.characterId));
    if (!shape || shape->fillStyles.empty()) return false;
    const swf::Rect& b = shape->bounds;
    const QTransform transform = ToQTransform(object.matrix) * toDevice;
    return transform.mapRect(QRectF(b.xMin, b.yMin, double(b.xMax) - b.xMin, double(b.yMax) - b.yMin)).contains(area);
}

// The full tests, which may decode the shape's pictures.
bool HidesAll(const DisplayObject& object, const QTransform& toDevice, const QRectF& area, CharacterCache& cache)
{
    const auto& shape = std::get<swf::Shape>(*cache.Find(object.characterId));
    // Styles brought in later in the records are not looked into.
    const bool newStyles = std::any_of(shape.records.begin(), shape.records.end(),
                                       [](const swf::ShapeRecord& r) { return r.newStyles.has_value(); });
    if (newStyles || !std::all_of(shape.fillStyles.begin(), shape.fillStyles.end(),
                                  [&](const swf::FillStyle& style) { return Opaque(style, cache); })) {
        return false;
    }
    const ConvertedShape* converted = cache.Shape(object.characterId);
    return converted && (ToQTransform(object.matrix) * toDevice).map(converted->FillGeometry()).contains(area);
}

}  // namespace

uint16_t OpaqueCoverDepth(const DepthList& list, const QTransform& toDevice, const QRect& visible,
                          CharacterCache& cache)
{
    if (visible.isEmpty()) return 0;
    // A cover may fall short of a pixel's edge by what the rasteriser cannot
    // tell apart (its coverage has 8 bits): a picture as large as the stage
    // ends at 319.99999 device pixels, as rounding gives it.
    constexpr double kSlack = 1.0 / 512;
    const QRectF area = QRectF(visible).adjusted(kSlack, kSlack, -kSlack, -kSlack);
    // Candidates bottom up; then the full tests from the top down, so that no
    // picture under the cover found is decoded on the way.
    std::vector<const DepthList::Entry*> candidates;
    uint16_t maskedUpTo = 0;  // the depths clip layers seen so far mask
    for (const DepthList::Entry& entry : list) {
        if (entry.object.clipDepth > 0) {
            maskedUpTo = std::max(maskedUpTo, entry.object.clipDepth);
        } else if (entry.depth > maskedUpTo && MayHideAll(entry.object, toDevice, area, cache)) {
            candidates.push_back(&entry);
        }
    }
    for (auto it = candidates.rbegin(); it != candidates.rend(); ++it) {
        if (HidesAll((*it)->object, toDevice, area, cache)) return (*it)->depth;
    }
    return 0;
}

}  // namespace glimmora::player
