#pragma once
// The step run shared by the animated picture routines: the picture is placed
// anew at each of 31 frames from StartTime, each placement replacing the
// previous one, and the last placement stays on the stage.

#include "objects/GenerationContext.h"
#include "objects/TFlashPic.h"

#include <functional>
#include <optional>

namespace glimmora {

// The transform of one step; each part is called only when present, in the
// order Scale, Translate, Rotate.
struct PicStepPose {
    struct Pair {
        double x = 0;
        double y = 0;
    };
    std::optional<Pair> scale;      // 16.16 factors
    std::optional<Pair> translate;  // twips
    std::optional<double> rotate;   // degrees x 65536
};

// One step i (0..30): GotoFrame(StartTime + i), RemoveObject of the media
// holder when i > 0, the pose's calls, AddObject of the media holder.
void PicFrameStep(const TFlashPic& picture, const GenerationContext& context, int i, const PicStepPose& pose);

// Sets ExSpeed to 30 and runs PicFrameStep for i = 0..30 with the pose that
// `poseAt` gives for k = i + 1. The picture shape and any Translate before the
// run are the routine's own.
void RunPicSteps(TFlashPic& picture, const GenerationContext& context,
                 const std::function<PicStepPose(int k)>& poseAt);

}  // namespace glimmora
