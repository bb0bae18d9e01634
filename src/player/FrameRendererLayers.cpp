// The frame renderer's layers: objects with a blend mode, filters or a bitmap
// cache are drawn into a transparent image of their own, which is filtered,
// given the object's colour transform (so that an alpha fades the object as a
// whole, as a layer does) and composited with the blend mode.

#include "player/FrameRenderer.h"

#include "player/ColorTransformOps.h"
#include "player/QtConversions.h"
#include "player/compositing/BlendComposite.h"
#include "player/compositing/FilterChain.h"

#include <algorithm>
#include <utility>

namespace glimmora::player {
namespace {

using swf::BlendMode;

// A pixel of the stage is this many twips.
constexpr double kTwipsPerPixel = 20;

bool ActsOnParent(BlendMode mode) { return mode == BlendMode::Alpha || mode == BlendMode::Erase; }

}  // namespace

bool ChangesItsParentsLayer(const DepthList& children)
{
    for (const auto& [depth, child] : children) {
        if (ActsOnParent(child.blendMode) && child.clipDepth == 0) {
            return true;
        }
    }
    return false;
}

bool FrameRenderer::NeedsLayer(const DisplayObject& item) const
{
    if (item.blendMode != BlendMode::Normal || item.filters || item.cacheAsBitmap) {
        return true;
    }
    const DepthList* children = SpriteChildren(item);
    return children && ChangesItsParentsLayer(*children);
}

QImage FrameRenderer::DrawOnLayer(const QPainter& like, const QRect& area,
                                  const std::function<void(QPainter&, const QTransform&)>& draw)
{
    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return image;
    }
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(like.renderHints());
    // The layer is a device of its own: what lies beyond the stage still
    // counts (a blur or shadow may bring it in), and clip layers of the
    // parent apply when the layer is composited.
    std::vector<Mask> outerMasks = std::exchange(masks_, {});
    const QRectF outerStage = std::exchange(stageOnDevice_, QRectF(QPointF(0, 0), QSizeF(area.size())));
    const QRect outerVisible = std::exchange(visibleOnDevice_, QRect(QPoint(0, 0), area.size()));
    ++layerNesting_;
    ApplyClip(painter);
    draw(painter, QTransform::fromTranslate(-area.left(), -area.top()));
    --layerNesting_;
    visibleOnDevice_ = outerVisible;
    stageOnDevice_ = outerStage;
    masks_ = std::move(outerMasks);
    return image;
}

void FrameRenderer::DrawLayered(QPainter& painter, const DisplayObject& item, const swf::Character& character,
                                const QTransform& transform, const swf::ColorTransform& cx, int level)
{
    // Fully transparent: nothing shows, unless it masks its parent away.
    if (cx.multA <= 0 && cx.addA <= 0 && item.blendMode != BlendMode::Alpha) {
        return;
    }
    const double pixelScale = stageScale_ * kTwipsPerPixel;
    // A filter's reach is followed up to about twice the visible stage's
    // size beyond it (a shadow cast onto the stage from further away is
    // left out): a damaged file's blur or shadow distance would otherwise
    // ask for a layer thousands of pixels wide around even a small picture.
    const int reachable = 2 * std::max(visibleOnDevice_.width(), visibleOnDevice_.height()) + 64;
    const int margin = item.filters ? std::min(FilterMargin(*item.filters, pixelScale), reachable) : 0;
    QRect area = visibleOnDevice_.adjusted(-margin, -margin, margin, margin);
    // Alpha and erase change the whole of the parent's layer.
    if (!ActsOnParent(item.blendMode)) {
        area &= DeviceBounds(item, transform, level).toAlignedRect().adjusted(-margin - 2, -margin - 2, margin + 2,
                                                                             margin + 2);
    }
    if (area.isEmpty()) {
        return;
    }
    QImage layer = DrawOnLayer(painter, area, [&](QPainter& target, const QTransform& shift) {
        DrawContent(target, item, character, transform * shift, swf::ColorTransform{}, level);
    });
    if (layer.isNull()) {
        return;
    }
    if (item.filters) {
        layer = ApplyFilters(std::move(layer), *item.filters, pixelScale);
    }
    CompositeLayer(painter, ApplyColorTransform(cx, layer), area.topLeft(), item.blendMode);
}

QRectF FrameRenderer::DeviceBounds(const DisplayObject& item, const QTransform& transform, int level)
{
    const swf::Character* character = cache_.Find(item.characterId);
    if (!character || level > kMaxNesting) {
        return {};
    }
    const auto rect = [](const swf::Rect& r) {
        return QRectF(r.xMin, r.yMin, double(r.xMax) - r.xMin, double(r.yMax) - r.yMin);
    };
    if (const auto* shape = std::get_if<swf::Shape>(character)) {
        return transform.mapRect(rect(shape->bounds));
    }
    if (const auto* video = std::get_if<swf::VideoStream>(character)) {
        return transform.mapRect(QRectF(0, 0, video->width * kTwipsPerPixel, video->height * kTwipsPerPixel));
    }
    if (const auto* morph = std::get_if<swf::MorphShape>(character)) {
        return transform.mapRect(rect(morph->startBounds)) | transform.mapRect(rect(morph->endBounds));
    }
    if (const auto* text = std::get_if<swf::Text>(character)) {
        // Writers differ on whether the bounds include the text's matrix.
        return transform.mapRect(rect(text->bounds)) |
               (ToQTransform(text->matrix) * transform).mapRect(rect(text->bounds));
    }
    QRectF all;
    if (const DepthList* inner = SpriteChildren(item)) {
        for (const auto& [depth, child] : *inner) {
            if (budget_ == 0) {
                break;
            }
            --budget_;
            all |= DeviceBounds(child, ToQTransform(child.matrix) * transform, level + 1);
        }
    }
    return all;
}

}  // namespace glimmora::player
