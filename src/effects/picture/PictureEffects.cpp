#include "effects/picture/PictureEffects.h"

#include "effects/picture/PicEffectTable.h"
#include "effects/picture/PicServices.h"
#include "objects/TGlobalVars.h"

#include <exception>

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

std::optional<std::string> PicNotShownReason(const std::string& effectName)
{
    if (FindPicRoutine(effectName)) return std::nullopt;
    return "The effect \"" + effectName + "\" is not a picture effect, so the picture is not shown";
}

void RunPicEffect(TFlashPic& picture, const GenerationContext& context)
{
    if (picture.Content.empty()) return;
    const PicRoutine* routine = FindPicRoutine(picture.EffectName);
    if (!routine) {
        if (context.errors) context.errors->NoteNotShown({picture.ObjName, *PicNotShownReason(picture.EffectName), {}});
        return;
    }
    if (!picture.MediaNameProblem.empty()) {
        if (context.errors) context.errors->ShowObjectProblem({picture.ObjName, kPictureFailure, picture.MediaNameProblem});
        return;
    }
    // One message per picture; what was placed before the error stays, and
    // the build goes on with the next object.
    try {
        (*routine)(picture, context);
        RemoveAtFrameLimit(picture, context);
    } catch (const std::exception& error) {
        if (context.errors) context.errors->ShowObjectProblem({picture.ObjName, kPictureFailure, error.what()});
    } catch (...) {
        if (context.errors) context.errors->ShowObjectProblem({picture.ObjName, kPictureFailure, {}});
    }
}

}  // namespace glimmora
