#pragma once
// Most objects of a playing movie look the same from one frame to the next:
// same character, same place on the device, same colour transform. Each step
// of drawing such an object (one fill, one line or one glyph) is drawn once
// into a layer of its own: a premultiplied image of the device pixels it
// covers, drawn exactly as onto the frame but onto transparency. From then on
// the layer is blended onto the frame, which gives the very pixels of drawing
// the step directly: source-over onto transparency keeps the covered colour as
// it is, and source-over of that onto the frame is what the direct fill does.
// (A layer of several overlapping fills would round differently; so would a
// step blended twice into some pixels, as thin lines are, or a step under a
// clip layer: the renderer draws those directly.) A step is drawn into a
// device-sized scratch image with the very transform of a direct draw, and its
// area copied out: drawn at the origin of a small image instead, some outline
// points round the other way and an edge pixel changes by a few levels.
//
// A step gets a layer when it is drawn a second frame in a row unchanged, so
// that moving objects never pay for one. Layers not used in a frame are
// dropped at its end, and all layers together stay under a pixel budget.

#include "swf/format/Records.h"

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QTransform>

#include <array>
#include <compare>
#include <cstdint>
#include <functional>
#include <map>
#include <set>

namespace glimmora::player {

struct LayerKey {
    uint16_t characterId = 0;
    uint16_t ratio = 0;  // a morph shape's
    uint32_t step = 0;  // fill, line or glyph, in drawing order
    std::array<double, 6> transform{};  // to device pixels
    std::array<int16_t, 8> colorTransform{};

    LayerKey(uint16_t id, uint32_t step, const QTransform& toDevice, const swf::ColorTransform& cx);
    auto operator<=>(const LayerKey&) const = default;
};

class LayerCache {
public:
    // 8 Mi pixels: 32 MiB, some 17 frames of 800 x 600.
    static constexpr int64_t kDefaultPixelBudget = int64_t(8) << 20;

    explicit LayerCache(int64_t pixelBudget = kDefaultPixelBudget) : budget_(pixelBudget) {}

    // `enabled`: whether the painter of this frame can take layers (a raster
    // device at one device pixel per pixel, opacity 1).
    void BeginFrame(bool enabled);
    // Drops the layers this frame did not use.
    void EndFrame();

    // Draws a step through its layer, making the layer when the step was drawn
    // with the same key in the previous frame. `area`: the device pixels the
    // step may touch; `clip`: the device clip in force. `draw` paints the step
    // with the painter's world transform set to the key's transform.
    // False: the step is to be drawn directly.
    bool Draw(QPainter& painter, const LayerKey& key, const QRect& area, const QRectF& clip,
              const std::function<void(QPainter&)>& draw);

    // What became of the steps offered since the cache was made.
    struct Counts {
        uint64_t blended = 0;  // from a layer made in an earlier frame
        uint64_t made = 0;     // a layer made and blended
        uint64_t direct = 0;   // left to be drawn directly
    };
    const Counts& Tally() const { return counts_; }
    size_t LayerCount() const { return layers_.size(); }
    int64_t PixelCount() const { return pixels_; }

private:
    struct Layer {
        QImage image;
        QPoint origin;
        uint64_t usedInFrame = 0;
    };

    QImage DrawOnScratch(const LayerKey& key, const QRect& area, const QRectF& clip,
                         const std::function<void(QPainter&)>& draw);

    QImage scratch_;  // device-sized; only the area of the layer being made is cleared
    int64_t budget_;
    int64_t pixels_ = 0;
    bool enabled_ = false;
    uint64_t frame_ = 0;
    Counts counts_;
    std::map<LayerKey, Layer> layers_;
    std::set<LayerKey> seenBefore_, seenNow_;
};

}  // namespace glimmora::player
