#include "player/OpaqueCover.h"

#include "player/QtConversions.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <variant>

namespace glimmora::player {
namespace {

// The rasteriser takes outlines to 1/64 of a pixel, so an edge this close to
// a pixel's boundary is on it: a picture as large as the stage ends at
// 319.99999 device pixels, as rounding gives it.
constexpr double kSlack = 1.0 / 512;
// The margin of anti-aliased seams drawn along the edges shared by two fills.
constexpr int kSeamMargin = 2;
constexpr size_t kMaxCovers = 64;

// Whether a colour of full alpha keeps it: a * mult / 256 + add >= 255 for a = 255.
bool KeepsFullAlpha(const swf::ColorTransform& cx) { return cx.multA >= 256 && cx.addA >= 0; }

bool DrawsNothing(const swf::ColorTransform& cx) { return cx.multA <= 0 && cx.addA <= 0; }

// The pixels `area` touches at all, within `within`.
QRect PixelsTouched(const QRectF& area, const QRect& within)
{
    if (!area.intersects(QRectF(within))) return {};
    const QRectF cut = area & QRectF(within);
    const int left = int(std::floor(cut.left() + kSlack)), top = int(std::floor(cut.top() + kSlack));
    const int right = int(std::ceil(cut.right() - kSlack)), bottom = int(std::ceil(cut.bottom() - kSlack));
    return right > left && bottom > top ? QRect(left, top, right - left, bottom - top) : QRect();
}

// The pixels `area` covers whole, within `within`.
QRect WholePixels(const QRectF& area, const QRect& within)
{
    if (!area.intersects(QRectF(within))) return {};
    const QRectF cut = area & QRectF(within);
    const int left = int(std::ceil(cut.left() - kSlack)), top = int(std::ceil(cut.top() - kSlack));
    const int right = int(std::floor(cut.right() + kSlack)), bottom = int(std::floor(cut.bottom() + kSlack));
    return right > left && bottom > top ? QRect(left, top, right - left, bottom - top) : QRect();
}

// Drawn plainly: not through a layer of its own, which may mix.
bool Plain(const DisplayObject& object)
{
    return object.timeline == 0 && object.blendMode == swf::BlendMode::Normal && !object.filters &&
           !object.cacheAsBitmap;
}

}  // namespace

// Pictures that have no alpha: JPEG data (a DefineBitsJPEG2 may also hold a
// PNG or GIF) and lossless ones without alpha; one that does not decode draws
// nothing. Decided once per picture: a cover drawn from a layer of its own
// needs its picture no more.
bool OpaqueCovers::OpaquePicture(uint16_t id)
{
    auto known = opaquePictures_.find(id);
    if (known == opaquePictures_.end()) {
        const auto* bitmap = std::get_if<swf::Bitmap>(cache_.Find(id));
        const bool jpeg = bitmap && bitmap->kind == swf::Bitmap::Kind::Jpeg && bitmap->data.size() > 2 &&
                          bitmap->data[0] == 0xFF && bitmap->data[1] == 0xD8;
        const bool lossless = bitmap && bitmap->kind == swf::Bitmap::Kind::Lossless && !bitmap->losslessAlpha;
        known = opaquePictures_.emplace(id, (jpeg || lossless) && !cache_.Bitmap(id).isNull()).first;
    }
    return known->second;
}

// Whether every pixel the style fills comes out opaque: colours of full alpha
// (a focal gradient leaves some of the plane undefined), pictures without
// alpha, through a matrix that draws anything.
bool OpaqueCovers::Opaque(const swf::FillStyle& style)
{
    using Type = swf::FillStyle::Type;
    if (style.type == Type::Solid) return style.color.a == 255;
    if (!ToQTransform(style.matrix).isInvertible()) return false;
    switch (style.type) {
    case Type::Linear:
    case Type::Radial:
        return !style.stops.empty() && std::all_of(style.stops.begin(), style.stops.end(),
                                                   [](const swf::GradientStop& s) { return s.color.a == 255; });
    case Type::Focal:
        return false;
    default:
        return OpaquePicture(style.bitmapId);
    }
}

const OpaqueCovers::Reach* OpaqueCovers::ShapeReach(uint16_t id)
{
    auto it = reaches_.find(id);
    if (it == reaches_.end()) {
        const ConvertedShape* shape = cache_.Shape(id);
        if (!shape) return nullptr;
        Reach reach;
        for (const ShapeLayer& layer : shape->layers) {
            for (const StyledPath& fill : layer.fills) {
                reach.fills |= fill.path.controlPointRect();
                reach.seams = reach.seams || !fill.seams.empty();
            }
            reach.lines = reach.lines || !layer.strokes.empty();
        }
        it = reaches_.emplace(id, reach).first;
    }
    return &it->second;
}

QRect OpaqueCovers::Touches(const DisplayObject& object, const QTransform& toDevice, const QRect& touched)
{
    const swf::Character* character = cache_.Find(object.characterId);
    if (!object.visible || !character) return {};
    if (!std::holds_alternative<swf::Shape>(*character) || !Plain(object)) return touched;
    if (DrawsNothing(object.colorTransform)) return {};
    const Reach* reach = ShapeReach(object.characterId);
    if (!reach || reach->lines) return touched;
    QRectF area = (ToQTransform(object.matrix) * toDevice).mapRect(reach->fills);
    if (reach->seams) area.adjust(-kSeamMargin, -kSeamMargin, kSeamMargin, kSeamMargin);
    return PixelsTouched(area, touched);
}

void OpaqueCovers::AddCovers(const DisplayObject& object, const QTransform& toDevice, const QRect& whole)
{
    if (!object.visible || object.clipDepth > 0 || !Plain(object) || !KeepsFullAlpha(object.colorTransform) ||
        !std::holds_alternative<swf::Shape>(*cache_.Find(object.characterId))) {
        return;
    }
    const QTransform transform = ToQTransform(object.matrix) * toDevice;
    if (transform.type() > QTransform::TxScale || !transform.isInvertible()) return;
    const ConvertedShape* shape = cache_.Shape(object.characterId);
    for (const ShapeLayer& layer : shape->layers) {
        for (const StyledPath& fill : layer.fills) {
            const QRect pixels = WholePixels(transform.mapRect(fill.path.controlPointRect()), whole);
            if (pixels.isEmpty() || Covered(pixels) || fill.styleIndex >= layer.fillStyles.size() ||
                !Opaque(layer.fillStyles[fill.styleIndex]) ||
                !transform.map(fill.path).contains(QRectF(pixels).adjusted(kSlack, kSlack, -kSlack, -kSlack))) {
                continue;
            }
            std::erase_if(covers_, [&](const QRect& cover) { return pixels.contains(cover); });
            if (covers_.size() < kMaxCovers) covers_.push_back(pixels);
        }
    }
}

bool OpaqueCovers::Covered(const QRect& pixels) const
{
    return std::any_of(covers_.begin(), covers_.end(), [&](const QRect& cover) { return cover.contains(pixels); });
}

std::vector<uint16_t> OpaqueCovers::HiddenDepths(const DepthList& list, const QTransform& toDevice,
                                                 const QRect& touched, const QRect& whole)
{
    // Bottom up: the objects and whether a clip layer below masks them.
    struct Item {
        const DepthList::Entry* entry;
        bool masked;
    };
    std::vector<Item> items;
    items.reserve(list.size());
    uint16_t maskedUpTo = 0;
    for (const DepthList::Entry& entry : list) {
        items.push_back({&entry, entry.depth <= maskedUpTo});
        maskedUpTo = std::max(maskedUpTo, entry.object.clipDepth);
    }
    // Top down: each object hides under the covers found above it, or adds its own.
    covers_.clear();
    std::vector<uint16_t> hidden;
    uint32_t lowestShown = UINT32_MAX;  // the lowest depth of an object drawn
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        const DepthList::Entry& entry = *it->entry;
        if (entry.object.clipDepth > 0) {
            // A clip layer only matters to objects it masks that are drawn.
            if (lowestShown > entry.object.clipDepth) hidden.push_back(entry.depth);
            continue;
        }
        const QRect pixels = Touches(entry.object, toDevice, touched);
        if (pixels.isEmpty() || Covered(pixels)) {
            hidden.push_back(entry.depth);
            continue;
        }
        lowestShown = entry.depth;
        if (!it->masked) AddCovers(entry.object, toDevice, whole);
    }
    std::reverse(hidden.begin(), hidden.end());
    return hidden;
}

}  // namespace glimmora::player
