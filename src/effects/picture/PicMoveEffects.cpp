#include "effects/picture/PicMoveEffects.h"

#include "effects/picture/PicFrameStep.h"
#include "effects/picture/PicServices.h"
#include "effects/picture/PictureShape.h"

namespace glimmora {

namespace {

// Which axes move (and so shake) in a direction.
bool MovesX(MoveDirection d) { return d != MoveDirection::Up && d != MoveDirection::Down; }
bool MovesY(MoveDirection d) { return d != MoveDirection::Left && d != MoveDirection::Right; }

// Whole-twip offsets of step k, computed in real numbers in the written order
// and rounded halves to even; the fixed axis of a straight move is cx or cy.
PicStepPose::Pair MoveOffset(const TFlashPic& pic, const PicGeometry& g, MoveDirection d, int k)
{
    const double mw = pic.MovieWidth;
    const double mh = pic.MovieHeight;
    const double toLeft = RoundHalfEven(mw / kPicRunSteps * (kPicRunSteps - k) * 20);
    const double toRight = RoundHalfEven(mw / kPicRunSteps * k * 20);
    const double toTop = RoundHalfEven(mh / kPicRunSteps * (kPicRunSteps - k) * 20);
    const double toBottom = RoundHalfEven(mh / kPicRunSteps * k * 20);
    const double fromLeftEdge = RoundHalfEven((mw / kPicRunSteps * k - pic.Width) * 20);
    const double fromTopEdge = RoundHalfEven((mh / kPicRunSteps * k - pic.Height) * 20);
    switch (d) {
    case MoveDirection::Up: return {g.cx, toTop};
    case MoveDirection::Down: return {g.cx, toBottom};
    case MoveDirection::Left: return {toLeft, g.cy};
    case MoveDirection::Right: return {toRight, g.cy};
    case MoveDirection::UpLeft: return {toLeft, toTop};
    case MoveDirection::DownLeft: return {toLeft, fromTopEdge};
    case MoveDirection::UpRight: return {fromLeftEdge, toTop};
    case MoveDirection::DownRight: return {fromLeftEdge, fromTopEdge};
    }
    return {g.cx, g.cy};
}

}  // namespace

void RunMoveEffect(TFlashPic& picture, const GenerationContext& context, MoveDirection direction,
                   PicVariant variant)
{
    MakePictureShape(picture, context, PicRectForm::Integer);
    if (variant == PicVariant::Turning) picture.ExRotate = kPicTurns;
    if (variant == PicVariant::Shaking) picture.ExShock = kPicShockRange;
    const PicGeometry g = GeometryOf(picture);

    RunPicSteps(picture, context, [&](int k) {
        PicStepPose pose;
        PicStepPose::Pair at = MoveOffset(picture, g, direction, k);
        if (variant == PicVariant::Shaking) {
            // The offsets are whole already, so rounding the sum is adding J.
            const PicJitter j = DrawJitter(PictureRandom(context), picture.ExShock, k, MovesX(direction),
                                           MovesY(direction));
            at.x += j.x;
            at.y += j.y;
        }
        pose.translate = at;
        if (variant == PicVariant::Turning) pose.rotate = TurnAngle(picture.ExRotate, k);
        return pose;
    });
}

}  // namespace glimmora
