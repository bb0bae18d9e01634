// The frame renderer's videos: each stream's frames decoded as placements
// ask for them, the picture stretched over the stream's declared size.

#include "player/FrameRenderer.h"

#include "player/ColorTransformOps.h"

namespace glimmora::player {

void FrameRenderer::DrawVideo(QPainter& painter, uint16_t id, const swf::VideoStream& stream, uint16_t ratio,
                              const QTransform& transform, const swf::ColorTransform& cx)
{
    if (cx.multA <= 0 && cx.addA <= 0) {
        return;
    }
    const QRectF box(0, 0, stream.width * 20.0, stream.height * 20.0);
    if (box.isEmpty() || !transform.mapRect(box).intersects(QRectF(visibleOnDevice_))) {
        return;
    }
    const QImage& picture = videos_.try_emplace(id, stream).first->second.At(ratio);
    if (picture.isNull()) {
        return;
    }
    painter.save();
    painter.setWorldTransform(transform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, stream.smoothing && smoothBitmaps_);
    painter.drawImage(box, ApplyColorTransform(cx, picture));
    painter.restore();
}

}  // namespace glimmora::player
