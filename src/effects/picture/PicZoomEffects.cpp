#include "effects/picture/PicZoomEffects.h"

#include "effects/picture/PicFrameStep.h"
#include "effects/picture/PicServices.h"
#include "effects/picture/PictureShape.h"

namespace glimmora {

namespace {

// The sign of the offset term (1 - s) * w/2 on x and (1 - s) * h/2 on y. A
// plus keeps the right or bottom edge of the centred box in place while the
// scale changes, a minus the left or top edge.
struct AnchorSigns {
    int x = 0;
    int y = 0;
};

AnchorSigns SignsOf(ZoomAnchor anchor, ZoomDirection direction)
{
    const bool in = direction == ZoomDirection::In;
    switch (anchor) {
    case ZoomAnchor::None: return {0, 0};
    case ZoomAnchor::Up: return {0, in ? 1 : -1};
    case ZoomAnchor::Down: return {0, in ? -1 : 1};
    case ZoomAnchor::Left: return {-1, 0};
    case ZoomAnchor::Right: return {1, 0};
    case ZoomAnchor::UpLeft: return in ? AnchorSigns{1, 1} : AnchorSigns{-1, -1};
    case ZoomAnchor::DownLeft: return in ? AnchorSigns{1, -1} : AnchorSigns{-1, 1};
    case ZoomAnchor::UpRight: return in ? AnchorSigns{-1, 1} : AnchorSigns{1, -1};
    case ZoomAnchor::DownRight: return in ? AnchorSigns{-1, -1} : AnchorSigns{1, 1};
    }
    return {0, 0};
}

// The full-size factor at step k: ExScale / 31 * k * (ExScale * 65536) when
// zooming in (ExScale 1), ExScale / 31 * (31 - k) * (ExScale * 65536) when
// zooming out (ExScale -1, the signs cancelling).
double ZoomFactor(int exScale, ZoomDirection direction, int k)
{
    const int steps = direction == ZoomDirection::In ? k : kPicRunSteps - k;
    return double(exScale) / kPicRunSteps * steps * (double(exScale) * 65536);
}

}  // namespace

void RunZoomEffect(TFlashPic& picture, const GenerationContext& context, ZoomDirection direction,
                   ZoomAnchor anchor, PicVariant variant)
{
    MakePictureShape(picture, context, PicRectForm::Real);
    picture.ExScale = direction == ZoomDirection::In ? 1 : -1;
    if (variant == PicVariant::Turning) picture.ExRotate = kPicTurns;
    if (variant == PicVariant::Shaking) picture.ExShock = kPicShockRange;
    const PicGeometry g = GeometryOf(picture);
    const AnchorSigns signs = SignsOf(anchor, direction);
    const bool centred = anchor == ZoomAnchor::None;

    // Centred and not shaking: the offset never changes, so it is set once.
    if (centred && variant != PicVariant::Shaking)
        PictureHolders(context).media->Translate(g.cx, g.cy);

    RunPicSteps(picture, context, [&](int k) {
        PicStepPose pose;
        const double s = ZoomFactor(picture.ExScale, direction, k);
        pose.scale = PicStepPose::Pair{s, s};
        // (1 - s) of the box: q when zooming in, p when zooming out.
        const double share = direction == ZoomDirection::In ? ShrinkingShare(k) : GrowingShare(k);

        if (centred && variant == PicVariant::Shaking) {
            // The centred shaking zooms rise from near the bottom to the top
            // of the stage while they zoom, shaking vertically.
            const PicJitter j = DrawJitter(PictureRandom(context), picture.ExShock, k, false, true);
            const double rise =
                RoundHalfEven(double(picture.MovieHeight) / kPicRunSteps * (kPicRunSteps - k) * 20);
            pose.translate = PicStepPose::Pair{g.cx, rise + j.y};
        } else if (!centred) {
            PicStepPose::Pair at{g.cx, g.cy};
            if (signs.x != 0) at.x += signs.x * share * g.w / 2;
            if (signs.y != 0) at.y += signs.y * share * g.h / 2;
            if (variant == PicVariant::Shaking) {
                const PicJitter j =
                    DrawJitter(PictureRandom(context), picture.ExShock, k, signs.x != 0, signs.y != 0);
                if (signs.x != 0) at.x = RoundHalfEven(at.x) + j.x;
                if (signs.y != 0) at.y = RoundHalfEven(at.y) + j.y;
            }
            pose.translate = at;
        }
        if (variant == PicVariant::Turning) pose.rotate = TurnAngle(picture.ExRotate, k);
        return pose;
    });
}

}  // namespace glimmora
