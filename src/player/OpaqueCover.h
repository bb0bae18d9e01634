#pragma once
// A long movie may leave many objects on the stage under later ones: a
// picture shown over the last one at the same place, say, or a background
// filling the stage. An object whose every pixel lies under one opaque object
// above it cannot show, so the renderer leaves it out: the frame comes out the
// same, and its pictures need not be decoded nor kept.
//
// Device pixels are whole or not at all: an object covers a pixel when one of
// its fills, drawn plainly (no blend mode, filters, bitmap cache or clip layer
// below masking it, a colour transform keeping alpha full, no rotation) and
// opaque (solid or gradient colours of full alpha, pictures without an alpha
// channel), covers the whole pixel. An object hides under covers when the
// pixels it can touch all lie inside one of their rectangles: a plain shape's
// are those of its fills' bounds (lines and the pixels it shares with what is
// under it along an edge cut by the grid keep it drawn); anything else may
// touch every pixel of the stage and hides only under a cover of all of it.
// Objects that touch no pixel of the stage (outside it, scaled to nothing)
// are left out too.

#include "player/CharacterCache.h"
#include "player/timeline/DepthList.h"

#include <QRect>
#include <QRectF>
#include <QTransform>

#include <cstdint>
#include <map>
#include <vector>

namespace glimmora::player {

class OpaqueCovers {
public:
    explicit OpaqueCovers(CharacterCache& cache) : cache_(cache) {}

    // The depths of `list` (drawn through `toDevice`) whose objects cannot
    // show, ascending. `touched`: the device pixels drawing can change (the
    // stage's clip); `whole`: those the clip lets through whole.
    std::vector<uint16_t> HiddenDepths(const DepthList& list, const QTransform& toDevice, const QRect& touched,
                                       const QRect& whole);

private:
    // What a shape's fills can reach, in its own units, and whether it draws
    // anything beyond them (lines, seams between fills).
    struct Reach {
        QRectF fills;
        bool lines = false;
        bool seams = false;
    };

    const Reach* ShapeReach(uint16_t id);
    // Whether every pixel `style` fills comes out opaque.
    bool Opaque(const swf::FillStyle& style);
    bool OpaquePicture(uint16_t id);
    // The device pixels drawing `object` can change, within `touched`.
    QRect Touches(const DisplayObject& object, const QTransform& toDevice, const QRect& touched);
    // Adds the pixels `object`'s opaque fills cover whole, within `whole`.
    void AddCovers(const DisplayObject& object, const QTransform& toDevice, const QRect& whole);
    bool Covered(const QRect& pixels) const;

    CharacterCache& cache_;
    std::map<uint16_t, Reach> reaches_;
    std::map<uint16_t, bool> opaquePictures_;
    std::vector<QRect> covers_;  // of the list being looked at
};

}  // namespace glimmora::player
