#include "player/FrameRenderer.h"

#include "player/ColorTransformOps.h"
#include "player/OpaqueCover.h"
#include "player/QtConversions.h"
#include "player/compositing/BlendComposite.h"
#include "player/TextPainter.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>
#include <limits>

namespace glimmora::player {
namespace {

// At most this many objects are drawn per frame: sprites placing themselves
// twice would otherwise multiply without end. Movies of ours show up to
// 65,535 objects on the root and more in the sprites that hold objects which
// no longer change (10,000 letter-by-letter texts of 20 letters end with
// 200,000 letters on the stage), so the bound stays above that.
constexpr size_t kMaxObjectsPerFrame = 262144;

// Qt's raster engine hands the spans of every larger fill to the threads of
// its global pool, unless it already runs on one of them. A frame is hundreds
// of small fills, where each hand-over costs more than it saves; and a picture
// drawn in pieces by several threads rounds some of its pixels differently
// from one drawn whole, so that the same frame could come out in two ways.
// The whole frame is drawn on one pool thread instead, ahead of any other
// waiting work when every thread is busy (where Qt would have waited for the
// pool as well, to hand out its pieces).
void RunOnOnePoolThread(const std::function<void()>& work)
{
    QThreadPool* pool = QThreadPool::globalInstance();
    if (pool->contains(QThread::currentThread())) {
        work();
        return;
    }
    QSemaphore done;
    std::exception_ptr failure;
    pool->start(
        [&] {
            try {
                work();
            } catch (...) {
                failure = std::current_exception();
            }
            done.release();
        },
        std::numeric_limits<int>::max());
    done.acquire();
    if (failure) {
        std::rethrow_exception(failure);
    }
}

}  // namespace

FrameRenderer::FrameRenderer(std::shared_ptr<const swf::DecodedMovie> movie, int64_t bitmapBudget)
    : cache_(std::move(movie), bitmapBudget), fills_(cache_, cache_.Movie().header.version >= 8), covers_(cache_)
{
}

QTransform FrameRenderer::StageTransform(const swf::Rect& stage, const QRectF& target)
{
    const double width = double(stage.xMax) - stage.xMin;
    const double height = double(stage.yMax) - stage.yMin;
    if (width <= 0 || height <= 0 || target.isEmpty()) {
        return QTransform(0, 0, 0, 0, target.center().x(), target.center().y());
    }
    const double scale = std::min(target.width() / width, target.height() / height);
    const double dx = target.left() + (target.width() - width * scale) / 2 - stage.xMin * scale;
    const double dy = target.top() + (target.height() - height * scale) / 2 - stage.yMin * scale;
    return QTransform(scale, 0, 0, scale, dx, dy);
}

QImage FrameRenderer::Render(const Stage& stage, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return image;
    }
    RunOnOnePoolThread([&] {
        QPainter painter(&image);
        Paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), stage);
    });
    return image;
}

void FrameRenderer::Paint(QPainter& painter, const QRectF& target, const Stage& stage)
{
    const swf::DecodedMovie& movie = cache_.Movie();
    const swf::Rgba background = movie.background.value_or(swf::Rgba{255, 255, 255, 255});
    const StageQuality quality = stage.quality.value_or(quality_);
    const bool antialiased = quality != StageQuality::Low;
    smoothBitmaps_ = quality >= StageQuality::High;
    fills_.SetBitmapSmoothing(smoothBitmaps_);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(target, ToQColor(background));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    const swf::Rect& frame = movie.header.frameSize;
    const QTransform toTarget = StageTransform(frame, target);
    stageOnDevice_ = (toTarget * painter.worldTransform())
                         .mapRect(QRectF(frame.xMin, frame.yMin, double(frame.xMax) - frame.xMin,
                                         double(frame.yMax) - frame.yMin));
    const QTransform deviceBase = toTarget * painter.worldTransform();
    stageScale_ = std::sqrt(std::abs(deviceBase.determinant()));
    visibleOnDevice_ = stageOnDevice_.toAlignedRect();
    const QPaintDevice* device = painter.device();
    if (device) {
        visibleOnDevice_ &= QRect(0, 0, device->width(), device->height());
    }
    const QPaintEngine* engine = painter.paintEngine();
    // Layers are drawn anti-aliased: at low quality every step is drawn directly.
    layers_.BeginFrame(antialiased && engine && engine->type() == QPaintEngine::Raster && device &&
                       device->devicePixelRatio() == 1 && painter.opacity() == 1);
    masks_.clear();
    // Whether an opaque object replaces the device pixels it covers whole:
    // not when drawn translucent, rotated, onto a layer of the movie's own
    // (erasing objects), nor where a device pixel is not a whole number of
    // the painter's.
    const DepthList& root = stage.Root().children;
    const bool ownLayer = ChangesItsParentsLayer(root);
    const double pixelRatio = device ? device->devicePixelRatio() : 1;
    coversReplace_ = skipHidden_ && painter.opacity() == 1 && deviceBase.type() <= QTransform::TxScale &&
                     !ownLayer && pixelRatio >= 1 && pixelRatio == std::floor(pixelRatio);
    // The pixels the stage's clip lets through whole.
    wholeOnDevice_ = QRect(QPoint(int(std::ceil(stageOnDevice_.left())), int(std::ceil(stageOnDevice_.top()))),
                           QPoint(int(std::floor(stageOnDevice_.right())) - 1,
                                  int(std::floor(stageOnDevice_.bottom())) - 1)) &
                     visibleOnDevice_;
    budget_ = kMaxObjectsPerFrame;
    ApplyClip(painter);
    stage_ = &stage;
    if (ownLayer) {
        // Objects that erase or mask what is under them act on the movie's
        // own layer, not on the background.
        const QImage layer = DrawOnLayer(painter, visibleOnDevice_, [&](QPainter& target, const QTransform& shift) {
            DrawList(target, root, deviceBase * shift, swf::ColorTransform{}, 0);
        });
        CompositeLayer(painter, layer, visibleOnDevice_.topLeft(), swf::BlendMode::Normal);
    } else {
        DrawList(painter, root, deviceBase, swf::ColorTransform{}, 0);
    }
    stage_ = nullptr;
    layers_.EndFrame();
    cache_.EndFrame();
    painter.restore();
}

void FrameRenderer::ApplyClip(QPainter& painter)
{
    const QTransform world = painter.worldTransform();
    painter.resetTransform();
    painter.setClipRect(stageOnDevice_);
    for (const Mask& mask : masks_) {
        painter.setClipPath(mask.deviceShape, Qt::IntersectClip);
    }
    painter.setWorldTransform(world);
}

void FrameRenderer::DrawList(QPainter& painter, const DepthList& list, const QTransform& transform,
                             const swf::ColorTransform& cx, int level)
{
    if (level > kMaxNesting) {
        return;
    }
    auto endMasks = [&](auto keep) {
        const size_t before = masks_.size();
        masks_.erase(std::remove_if(masks_.begin(), masks_.end(),
                                    [&](const Mask& m) { return m.level == level && !keep(m); }),
                     masks_.end());
        if (masks_.size() != before) {
            ApplyClip(painter);
        }
    };
    // Objects wholly under opaque ones above them cannot show.
    const std::vector<uint16_t> hidden = level == 0 && coversReplace_
                                             ? covers_.HiddenDepths(list, transform, visibleOnDevice_, wholeOnDevice_)
                                             : std::vector<uint16_t>();
    auto nextHidden = hidden.begin();
    for (const auto& [depth, item] : list) {
        if (nextHidden != hidden.end() && *nextHidden == depth) {
            ++nextHidden;
            continue;
        }
        if (budget_ == 0) {
            break;
        }
        --budget_;
        const uint16_t here = depth;
        endMasks([&](const Mask& m) { return m.lastDepth >= here; });
        const QTransform itemTransform = ToQTransform(item.matrix) * transform;
        if (item.clipDepth > 0) {
            if (item.clipDepth > depth) {
                masks_.push_back({level, item.clipDepth, Geometry(item, itemTransform, level)});
                ApplyClip(painter);
            }
            continue;
        }
        if (!item.visible) {
            continue;
        }
        DrawItem(painter, item, itemTransform, ComposeColorTransforms(cx, item.colorTransform), level);
    }
    endMasks([](const Mask&) { return false; });
}

std::vector<DisplayObject> FrameRenderer::UpState(const swf::Button& button)
{
    std::vector<const swf::ButtonRecord*> up;
    for (const swf::ButtonRecord& record : button.records) {
        if (record.states & swf::ButtonRecord::Up) {
            up.push_back(&record);
        }
    }
    std::stable_sort(up.begin(), up.end(),
                     [](const swf::ButtonRecord* a, const swf::ButtonRecord* b) { return a->depth < b->depth; });
    std::vector<DisplayObject> parts(up.size());
    for (size_t i = 0; i < up.size(); ++i) {
        parts[i].characterId = up[i]->characterId;
        parts[i].matrix = up[i]->matrix;
        parts[i].colorTransform = up[i]->colorTransform;
        parts[i].blendMode = up[i]->blendMode;
        if (!up[i]->filters.empty()) {
            parts[i].filters = std::make_shared<const swf::FilterList>(up[i]->filters);
        }
    }
    return parts;
}

const DepthList* FrameRenderer::SpriteChildren(const DisplayObject& item) const
{
    const Timeline* timeline = item.timeline != 0 && stage_ ? stage_->Find(item.timeline) : nullptr;
    return timeline ? &timeline->children : nullptr;
}

void FrameRenderer::DrawItem(QPainter& painter, const DisplayObject& item, const QTransform& transform,
                             const swf::ColorTransform& cx, int level)
{
    const swf::Character* character = cache_.Find(item.characterId);
    if (!character) {
        return;
    }
    if (NeedsLayer(item)) {
        DrawLayered(painter, item, *character, transform, cx, level);
    } else {
        DrawContent(painter, item, *character, transform, cx, level);
    }
}

void FrameRenderer::DrawContent(QPainter& painter, const DisplayObject& item, const swf::Character& character,
                                const QTransform& transform, const swf::ColorTransform& cx, int level)
{
    if (item.opaqueBackground) {
        // The object's cached picture starts filled with it: its bounds on the device.
        const QRectF box = DeviceBounds(item, transform, level);
        swf::Rgba colour = *item.opaqueBackground;
        colour.a = 255;
        painter.save();
        painter.resetTransform();
        painter.fillRect(box, ApplyColorTransform(cx, colour));
        painter.restore();
    }
    if (std::holds_alternative<swf::Shape>(character) || std::holds_alternative<swf::Text>(character)) {
        DrawStatic(painter, item.characterId, character, transform, cx);
    } else if (std::holds_alternative<swf::MorphShape>(character)) {
        DrawShape(painter, item.characterId, item.ratio, *cache_.MorphShape(item.characterId, item.ratio), transform,
                  cx);
    } else if (const auto* field = std::get_if<swf::EditText>(&character)) {
        DrawEditText(painter, item.characterId, *field, transform, cx);
    } else if (const auto* video = std::get_if<swf::VideoStream>(&character)) {
        DrawVideo(painter, item.characterId, *video, item.ratio, transform, cx);
    } else if (const auto* button = std::get_if<swf::Button>(&character)) {
        if (level >= kMaxNesting) {
            return;
        }
        for (const DisplayObject& part : UpState(*button)) {
            if (budget_ == 0) {
                break;
            }
            --budget_;
            DrawItem(painter, part, ToQTransform(part.matrix) * transform,
                     ComposeColorTransforms(cx, part.colorTransform), level + 1);
        }
    } else if (const DepthList* inner = SpriteChildren(item)) {
        DrawList(painter, *inner, transform, cx, level + 1);
    }
}

void FrameRenderer::DrawStatic(QPainter& painter, uint16_t id, const swf::Character& character,
                               const QTransform& transform, const swf::ColorTransform& cx)
{
    // Every colour of it would come out fully transparent.
    if (cx.multA <= 0 && cx.addA <= 0) {
        return;
    }
    uint32_t step = 0;
    if (const auto* text = std::get_if<swf::Text>(&character)) {
        auto placed = texts_.find(id);
        if (placed == texts_.end()) {
            placed = texts_.emplace(id, PlaceGlyphs(cache_, *text)).first;
        }
        const QTransform matrix = ToQTransform(text->matrix);
        for (const PlacedGlyph& glyph : placed->second) {
            DrawStep(painter, LayerKey(id, step++, transform, cx),
                     (glyph.place * matrix).mapRect(glyph.outline->controlPointRect()), transform,
                     [&](QPainter& target) { DrawGlyph(target, *text, glyph, cx); });
        }
        return;
    }
    DrawShape(painter, id, 0, *cache_.Shape(id), transform, cx);
}

void FrameRenderer::DrawShape(QPainter& painter, uint16_t id, uint16_t ratio, const ConvertedShape& shape,
                              const QTransform& transform, const swf::ColorTransform& cx)
{
    if (cx.multA <= 0 && cx.addA <= 0) {
        return;
    }
    uint32_t step = 0;
    const auto nextKey = [&] {
        LayerKey key(id, step++, transform, cx);
        key.ratio = ratio;
        return key;
    };
    painter.setPen(Qt::NoPen);
    for (const ShapeLayer& layer : shape.layers) {
        for (const StyledPath& fill : layer.fills) {
            DrawStep(painter, nextKey(), fill.path.controlPointRect(), transform,
                     [&](QPainter& target) {
                         const swf::FillStyle& style = layer.fillStyles[fill.styleIndex];
                         fills_.Fill(target, fill.path, style, cx);
                         for (const Seam& seam : fill.seams) {
                             fills_.CoverSeam(target, seam.edges, style, layer.fillStyles[seam.laterStyle], cx);
                         }
                     });
        }
        for (const StyledPath& stroke : layer.strokes) {
            const swf::LineStyle& style = layer.lineStyles[stroke.styleIndex];
            const double onDevice = FillPainter::StrokeWidthOnDevice(style, transform, stageScale_);
            // Half the line in shape units, along the axis the shape shrinks most.
            const double shrink = std::min(std::hypot(transform.m11(), transform.m12()),
                                           std::hypot(transform.m21(), transform.m22()));
            const double half = shrink > 0 ? std::max(style.width / 2.0, onDevice / 2 / shrink) : style.width / 2.0;
            // Qt draws lines up to a pixel wide segment by segment, blending
            // the pixels where segments meet twice: not one fill, so no layer.
            const bool thin = onDevice < 2;
            DrawStep(painter, nextKey(), stroke.path.controlPointRect().adjusted(-half, -half, half, half), transform,
                     [&](QPainter& target) { fills_.Stroke(target, stroke.path, style, cx, stageScale_); },
                     !thin);
        }
    }
}

const EditTextLayout& FrameRenderer::FieldLayout(uint16_t id, const swf::EditText& field)
{
    auto laid = fields_.find(id);
    if (laid == fields_.end()) {
        laid = fields_.emplace(id, LayOutEditText(cache_, field)).first;
    }
    return laid->second;
}

void FrameRenderer::DrawEditText(QPainter& painter, uint16_t id, const swf::EditText& field,
                                 const QTransform& transform, const swf::ColorTransform& cx)
{
    if (cx.multA <= 0 && cx.addA <= 0) {
        return;
    }
    const EditTextLayout& layout = FieldLayout(id, field);
    uint32_t step = 0;
    if (layout.framed) {
        DrawStep(painter, LayerKey(id, step++, transform, cx), layout.box, transform, [&](QPainter& target) {
            target.fillRect(layout.box, ApplyColorTransform(cx, swf::Rgba{255, 255, 255, 255}));
        });
        // A one-pixel border just inside the box, however the field is scaled.
        const double xScale = std::hypot(transform.m11(), transform.m12());
        const double yScale = std::hypot(transform.m21(), transform.m22());
        if (xScale > 0 && yScale > 0) {
            const QRectF line = layout.box.adjusted(0.5 / xScale, 0.5 / yScale, -0.5 / xScale, -0.5 / yScale);
            DrawStep(
                painter, LayerKey(id, step++, transform, cx), layout.box, transform,
                [&](QPainter& target) {
                    QPen pen(ApplyColorTransform(cx, swf::Rgba{0, 0, 0, 255}), 1);
                    pen.setCosmetic(true);
                    pen.setJoinStyle(Qt::MiterJoin);
                    target.setPen(pen);
                    target.setBrush(Qt::NoBrush);
                    target.drawRect(line);
                    target.setPen(Qt::NoPen);
                },
                false);
        }
    }
    for (const TextInk& ink : layout.inks) {
        DrawStep(painter, LayerKey(id, step++, transform, cx), ink.path.controlPointRect(), transform,
                 [&](QPainter& target) { target.fillPath(ink.path, ApplyColorTransform(cx, ink.color)); });
    }
}

void FrameRenderer::DrawStep(QPainter& painter, const LayerKey& key, const QRectF& bounds,
                             const QTransform& transform, const std::function<void(QPainter&)>& draw,
                             bool layerable)
{
    // Two pixels around the outline hold every anti-aliased edge and the
    // one-pixel minimum of thin lines.
    const QRect area =
        transform.mapRect(bounds).toAlignedRect().adjusted(-2, -2, 2, 2) & visibleOnDevice_;
    if (area.isEmpty()) {
        return;  // outside the stage
    }
    // Under a clip layer the clip's coverage and the step's would be rounded
    // once each on the way through a layer: drawn directly there.
    if (layerable && masks_.empty() && layerNesting_ == 0 && layers_.Draw(painter, key, area, stageOnDevice_, draw)) {
        return;
    }
    painter.setWorldTransform(transform);
    draw(painter);
}

QPainterPath FrameRenderer::Geometry(const DisplayObject& item, const QTransform& transform, int level)
{
    const swf::Character* character = cache_.Find(item.characterId);
    if (!character || level > kMaxNesting) {
        return {};
    }
    if (std::holds_alternative<swf::Shape>(*character)) {
        return transform.map(cache_.Shape(item.characterId)->FillGeometry());
    }
    if (std::holds_alternative<swf::MorphShape>(*character)) {
        return transform.map(cache_.MorphShape(item.characterId, item.ratio)->FillGeometry());
    }
    if (const auto* text = std::get_if<swf::Text>(character)) {
        return transform.map(TextGeometry(cache_, *text));
    }
    if (const auto* button = std::get_if<swf::Button>(character)) {
        QPainterPath all;
        for (const DisplayObject& part : UpState(*button)) {
            if (budget_ == 0) {
                break;
            }
            --budget_;
            all = all.united(Geometry(part, ToQTransform(part.matrix) * transform, level + 1));
        }
        return all;
    }
    if (const auto* video = std::get_if<swf::VideoStream>(character)) {
        QPainterPath box;
        box.addRect(0, 0, video->width * 20.0, video->height * 20.0);
        return transform.map(box);
    }
    if (const auto* field = std::get_if<swf::EditText>(character)) {
        QPainterPath all;
        for (const TextInk& ink : FieldLayout(item.characterId, *field).inks) {
            all.addPath(ink.path);
        }
        return transform.map(all);
    }
    QPainterPath all;
    if (const DepthList* inner = SpriteChildren(item)) {
        for (const auto& [depth, child] : *inner) {
            if (budget_ == 0) {
                break;
            }
            --budget_;
            if (child.clipDepth == 0) {
                all = all.united(
                    Geometry(child, ToQTransform(child.matrix) * transform, level + 1));
            }
        }
    }
    return all;
}

}  // namespace glimmora::player
