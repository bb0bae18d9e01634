#pragma once
// Draws a stage with QPainter: the background, then every object of the main
// timeline in ascending depth with its composed matrix and colour transform,
// clip layers as clip paths, and each sprite with its own timeline's objects.
// An object with a blend mode, filters or a bitmap cache is drawn on its own
// into a transparent layer first, filtered, and composited with its mode.
// The stage is scaled into the target keeping its aspect ratio, centred; the
// bars beside it show the background colour.

#include "player/CharacterCache.h"
#include "player/FillPainter.h"
#include "player/LayerCache.h"
#include "player/OpaqueCover.h"
#include "player/TextPainter.h"
#include "player/text/EditTextLayout.h"
#include "player/video/VideoFrames.h"
#include "player/timeline/Stage.h"
#include "swf/reader/DecodedMovie.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QRectF>
#include <QTransform>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace glimmora::player {

// Whether an object of `children` uses the alpha or erase blend mode, which
// act on the layer of the timeline holding them.
bool ChangesItsParentsLayer(const DepthList& children);

class FrameRenderer {
public:
    // `bitmapBudget`: bytes of decoded pictures kept beyond those of the frame drawn.
    explicit FrameRenderer(std::shared_ptr<const swf::DecodedMovie> movie,
                           int64_t bitmapBudget = CharacterCache::kDefaultBitmapBudget);

    void Paint(QPainter& painter, const QRectF& target, const Stage& stage);
    // The frame as a premultiplied image, drawn on one thread of Qt's global
    // pool (there the raster engine does not split each fill across threads),
    // or on the calling thread when no pool thread is free.
    QImage Render(const Stage& stage, const QSize& size);

    // Maps stage twips into `target`, scaled uniformly and centred.
    static QTransform StageTransform(const swf::Rect& stage, const QRectF& target);

    // The quality drawn until the movie's scripts choose one (the
    // embedding's choice); High unless set.
    void SetQuality(StageQuality quality) { quality_ = quality; }

    // Whether objects wholly under opaque ones are left out (the default);
    // drawing them too gives the same frame, only slower.
    void SetSkipHidden(bool skip) { skipHidden_ = skip; }

    CharacterCache& Cache() { return cache_; }
    const LayerCache& Layers() const { return layers_; }

private:
    // Sprites nested deeper than this are not drawn (a damaged file may nest
    // a sprite inside itself).
    static constexpr int kMaxNesting = 32;

    struct Mask {
        int level = 0;
        uint16_t lastDepth = 0;
        QPainterPath deviceShape;
    };

    void DrawList(QPainter& painter, const DepthList& list, const QTransform& transform,
                  const swf::ColorTransform& cx, int level);
    void DrawItem(QPainter& painter, const DisplayObject& item, const QTransform& transform,
                  const swf::ColorTransform& cx, int level);
    void DrawContent(QPainter& painter, const DisplayObject& item, const swf::Character& character,
                     const QTransform& transform, const swf::ColorTransform& cx, int level);
    // Whether the object is drawn through a layer of its own.
    bool NeedsLayer(const DisplayObject& item) const;
    // The object into its own layer, filtered, coloured and composited.
    void DrawLayered(QPainter& painter, const DisplayObject& item, const swf::Character& character,
                     const QTransform& transform, const swf::ColorTransform& cx, int level);
    // `draw` onto a transparent layer over `area` (device pixels), the
    // painter given to it mapping device pixels into the layer.
    QImage DrawOnLayer(const QPainter& like, const QRect& area,
                       const std::function<void(QPainter&, const QTransform&)>& draw);
    // The device pixels an object can cover (its bounds, not its outline).
    QRectF DeviceBounds(const DisplayObject& item, const QTransform& transform, int level);
    // A shape or a text, step by step (fill, line or glyph): each step is
    // culled when it cannot show, else drawn through its layer or directly.
    void DrawStatic(QPainter& painter, uint16_t id, const swf::Character& character,
                    const QTransform& transform, const swf::ColorTransform& cx);
    // The fills and lines of a converted shape (a morph shape's at `ratio`).
    void DrawShape(QPainter& painter, uint16_t id, uint16_t ratio, const ConvertedShape& shape,
                   const QTransform& transform, const swf::ColorTransform& cx);
    // The frame of a video stream that the placement's ratio names, over the stream's size.
    void DrawVideo(QPainter& painter, uint16_t id, const swf::VideoStream& stream, uint16_t ratio,
                   const QTransform& transform, const swf::ColorTransform& cx);
    void DrawEditText(QPainter& painter, uint16_t id, const swf::EditText& field, const QTransform& transform,
                      const swf::ColorTransform& cx);
    const EditTextLayout& FieldLayout(uint16_t id, const swf::EditText& field);
    void DrawStep(QPainter& painter, const LayerKey& key, const QRectF& bounds,
                  const QTransform& transform, const std::function<void(QPainter&)>& draw,
                  bool layerable = true);
    QPainterPath Geometry(const DisplayObject& item, const QTransform& transform, int level);
    void ApplyClip(QPainter& painter);
    // The objects of a button's up state, by depth (a sprite among them
    // has no timeline of its own and shows nothing).
    static std::vector<DisplayObject> UpState(const swf::Button& button);
    // The display list of a sprite instance's timeline, or null.
    const DepthList* SpriteChildren(const DisplayObject& item) const;

    CharacterCache cache_;
    std::map<uint16_t, std::vector<PlacedGlyph>> texts_;
    std::map<uint16_t, EditTextLayout> fields_;
    std::map<uint16_t, VideoFrames> videos_;  // by stream
    FillPainter fills_;
    LayerCache layers_;
    const Stage* stage_ = nullptr;  // while painting
    QRectF stageOnDevice_;
    double stageScale_ = 1;  // device pixels per stage twip
    bool smoothBitmaps_ = true;  // at this frame's quality
    StageQuality quality_ = StageQuality::High;
    QRect visibleOnDevice_;  // the device pixels the stage clip lets through
    QRect wholeOnDevice_;    // the device pixels it lets through whole
    bool coversReplace_ = false;  // see Paint
    bool skipHidden_ = true;
    OpaqueCovers covers_;
    std::vector<Mask> masks_;
    size_t budget_ = 0;  // objects still to draw in this frame
    int layerNesting_ = 0;  // layers being drawn into
};

}  // namespace glimmora::player
