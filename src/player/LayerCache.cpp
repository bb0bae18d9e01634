#include "player/LayerCache.h"

#include <algorithm>
#include <cstring>

namespace glimmora::player {

LayerKey::LayerKey(uint16_t id, uint32_t step, const QTransform& t, const swf::ColorTransform& cx)
    : characterId(id),
      step(step),
      transform{t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()},
      colorTransform{cx.multR, cx.multG, cx.multB, cx.multA, cx.addR, cx.addG, cx.addB, cx.addA}
{
}

void LayerCache::BeginFrame(bool enabled)
{
    enabled_ = enabled;
    ++frame_;
}

void LayerCache::EndFrame()
{
    for (auto it = layers_.begin(); it != layers_.end();) {
        if (it->second.usedInFrame != frame_) {
            pixels_ -= int64_t(it->second.image.width()) * it->second.image.height();
            it = layers_.erase(it);
        } else {
            ++it;
        }
    }
    seenBefore_ = std::move(seenNow_);
    seenNow_.clear();
}

QImage LayerCache::DrawOnScratch(const LayerKey& key, const QRect& area, const QRectF& clip,
                                 const std::function<void(QPainter&)>& draw)
{
    if (area.left() < 0 || area.top() < 0) {
        return {};
    }
    const QSize needed(std::max(scratch_.width(), area.right() + 1),
                       std::max(scratch_.height(), area.bottom() + 1));
    if (needed != scratch_.size()) {
        scratch_ = QImage(needed, QImage::Format_ARGB32_Premultiplied);
        if (scratch_.isNull()) {
            return {};
        }
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::memset(scratch_.scanLine(y) + size_t(area.left()) * 4, 0, size_t(area.width()) * 4);
    }
    {
        QPainter painter(&scratch_);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setClipRect(clip);
        painter.setClipRect(area, Qt::IntersectClip);
        const auto& m = key.transform;
        painter.setWorldTransform(QTransform(m[0], m[1], m[2], m[3], m[4], m[5]));
        draw(painter);
    }
    return scratch_.copy(area);
}

bool LayerCache::Draw(QPainter& painter, const LayerKey& key, const QRect& area, const QRectF& clip,
                      const std::function<void(QPainter&)>& draw)
{
    if (!enabled_ || area.isEmpty()) {
        ++counts_.direct;
        return false;
    }
    auto it = layers_.find(key);
    if (it == layers_.end()) {
        seenNow_.insert(key);
        const int64_t pixels = int64_t(area.width()) * area.height();
        QImage image;
        if (seenBefore_.count(key) && pixels_ + pixels <= budget_) {
            image = DrawOnScratch(key, area, clip, draw);
        }
        if (image.isNull()) {
            ++counts_.direct;
            return false;
        }
        pixels_ += pixels;
        it = layers_.emplace(key, Layer{std::move(image), area.topLeft(), 0}).first;
        ++counts_.made;
    } else {
        ++counts_.blended;
    }
    it->second.usedInFrame = frame_;
    painter.resetTransform();
    painter.drawImage(it->second.origin, it->second.image);
    return true;
}

}  // namespace glimmora::player
