#include "effects/picture/PictureEffects.h"

#include "effects/picture/PicEffectTable.h"
#include "effects/picture/PicServices.h"
#include "objects/TGlobalVars.h"

namespace glimmora {

namespace {

const char* const kPictureFailure = "Sorry, can not use the picture!";

// The picture is taken off at EndTime only when EndTime is below the shared
// FrameLimit. Nothing assigns FrameLimit, so it stays 0 and animated pictures
// stay on the stage after their run.
void RemoveAtFrameLimit(const TFlashPic& picture, const GenerationContext& context)
{
    if (picture.EndTime >= GlobalVars().FrameLimit) return;
    SwfHolders& swf = PictureHolders(context);
    swf.movie->GotoFrame(picture.EndTime);
    swf.movie->RemoveObject(*swf.media);
}

}  // namespace

void RunPicEffect(TFlashPic& picture, const GenerationContext& context)
{
    if (picture.Content.empty()) return;
    try {
        const PicRoutine* routine = FindPicRoutine(picture.EffectName);
        if (!routine) return;
        (*routine)(picture, context);
        RemoveAtFrameLimit(picture, context);
    } catch (...) {
        // One message per picture; what was placed before the error stays, and
        // the build goes on with the next object.
        if (context.errors) context.errors->ShowError(kPictureFailure);
    }
}

}  // namespace glimmora
