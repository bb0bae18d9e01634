#pragma once
#include "objects/TFlashSound.h"

namespace glimmora {

// Places one sound object from StartTime and removes it at EndTime; a failure
// is reported with the object and the reason ("The sound file is missing", or
// "Please select a sound file with 16Bits mono format!" for one that cannot
// be used) and the build goes on.
void PlaceSound(TFlashSound& sound, const GenerationContext& context);

}  // namespace glimmora
