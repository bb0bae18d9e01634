#pragma once
#include "objects/TFlashText.h"

namespace glimmora {

// Generates one text object by its EffectName; nothing for an empty text, a
// text of 128 characters or more, or a name outside the text effects. Errors
// of the service propagate and end the build.
void RunTextEffect(TFlashText& text, const GenerationContext& context);

}  // namespace glimmora
