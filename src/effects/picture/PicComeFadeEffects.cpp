#include "effects/picture/PicComeFadeEffects.h"

#include "effects/picture/PicFrameStep.h"
#include "effects/picture/PicMotion.h"
#include "effects/picture/PicServices.h"
#include "effects/picture/PictureShape.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace glimmora {

namespace {

bool ScalesX(ComeLine line) { return line == ComeLine::X || line == ComeLine::XLeft || line == ComeLine::XRight; }

// The sign of the offset term (1 - s) * w/2 or (1 - s) * h/2 on the scaled
// axis: plus keeps the right or bottom edge, minus the left or top edge, 0 the
// centre line.
int LineSign(ComeLine line, ComeDirection direction)
{
    const int in = direction == ComeDirection::In ? 1 : -1;
    switch (line) {
    case ComeLine::X:
    case ComeLine::Y: return 0;
    case ComeLine::XLeft:
    case ComeLine::YTop: return in;
    case ComeLine::XRight:
    case ComeLine::YBottom: return -in;
    }
    return 0;
}

// Alpha 3 * f for frame f, kept inside int for any frame number (the service
// clamps to 0..255 anyway).
int VeilAlpha(std::int64_t frame)
{
    return int(std::clamp<std::int64_t>(3 * frame, INT_MIN, INT_MAX));
}

}  // namespace

void RunComeEffect(TFlashPic& picture, const GenerationContext& context, ComeDirection direction,
                   ComeLine line)
{
    MakePictureShape(picture, context, PicRectForm::Real);
    picture.ExScale = 1;
    const PicGeometry g = GeometryOf(picture);
    const bool onX = ScalesX(line);
    const int sign = LineSign(line, direction);

    // Unrolling from the centre line: the offset never changes, so it is set once.
    if (sign == 0) PictureHolders(context).media->Translate(g.cx, g.cy);

    RunPicSteps(picture, context, [&](int k) {
        const bool in = direction == ComeDirection::In;
        const int steps = in ? k : kPicRunSteps - k;
        const double s = double(picture.ExScale) / kPicRunSteps * steps * (double(picture.ExScale) * 65536);
        PicStepPose pose;
        pose.scale = onX ? PicStepPose::Pair{s, 65536} : PicStepPose::Pair{65536, s};
        if (sign != 0) {
            // (1 - s) of the box: q when coming in, p when going out.
            const double share = in ? ShrinkingShare(k) : GrowingShare(k);
            PicStepPose::Pair at{g.cx, g.cy};
            if (onX)
                at.x += sign * share * g.w / 2;
            else
                at.y += sign * share * g.h / 2;
            pose.translate = at;
        }
        return pose;
    });
}

void FadePicture(TFlashPic& picture, const GenerationContext& context)
{
    SwfHolders& swf = PictureHolders(context);
    MakePictureShape(picture, context, PicRectForm::Real);
    swf.movie->GotoFrame(picture.StartTime);
    swf.movie->AddObject(*swf.media);
    swf.movie->GotoFrame(picture.EndTime);
    swf.movie->RemoveObject(*swf.media);

    const PicRect r = RectOf(picture, PicRectForm::Real);
    swf.overlay->MakeRectangle(r.x1, r.y1, r.x2, r.y2);
    // 64-bit frame counter: an EndTime at the integer limit must still end the loop.
    for (std::int64_t f = picture.StartTime; f <= picture.EndTime; ++f) {
        swf.movie->GotoFrame(double(f));
        if (f > picture.StartTime) swf.movie->RemoveObject(*swf.overlay);
        swf.overlay->SetSolidFill(0, 0, 0, VeilAlpha(f));
        swf.movie->AddObject(*swf.overlay);
    }
}

}  // namespace glimmora
