#pragma once
#include "objects/TFlashSound.h"

namespace glimmora {

// Places one sound object from StartTime and removes it at EndTime; a failure
// is reported ("Please select a sound file with 16Bits mono format!") and the
// build goes on.
void PlaceSound(TFlashSound& sound, const GenerationContext& context);

}  // namespace glimmora
