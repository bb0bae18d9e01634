#pragma once
#include "objects/TFlashPic.h"

namespace glimmora {

// Generates one picture object by its EffectName. Any error in the routine is
// reported once ("Sorry, can not use the picture!") and swallowed, keeping
// what was already placed.
void RunPicEffect(TFlashPic& picture, const GenerationContext& context);

}  // namespace glimmora
