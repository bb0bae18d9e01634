#include "effects/picture/PicFrameStep.h"

#include "effects/picture/PicMotion.h"
#include "effects/picture/PicServices.h"

namespace glimmora {

void PicFrameStep(const TFlashPic& picture, const GenerationContext& context, int i, const PicStepPose& pose)
{
    SwfHolders& swf = PictureHolders(context);
    swfObject& media = *swf.media;
    // In real numbers: a StartTime near the integer limit must not overflow.
    swf.movie->GotoFrame(double(picture.StartTime) + i);
    if (i > 0) swf.movie->RemoveObject(media);
    if (pose.scale) media.Scale(pose.scale->x, pose.scale->y);
    if (pose.translate) media.Translate(pose.translate->x, pose.translate->y);
    if (pose.rotate) media.Rotate(*pose.rotate);
    swf.movie->AddObject(media);
}

void RunPicSteps(TFlashPic& picture, const GenerationContext& context,
                 const std::function<PicStepPose(int k)>& poseAt)
{
    picture.ExSpeed = kPicRunSpeed;
    for (int i = 0; i <= picture.ExSpeed; ++i)
        PicFrameStep(picture, context, i, poseAt(i + 1));
}

}  // namespace glimmora
