#pragma once
#include "objects/TFlashPic.h"

#include <optional>
#include <string>

namespace glimmora {

// Generates one picture object by its EffectName. Any error in the routine is
// reported once ("Sorry, can not use the picture!", with the object and the
// reason) and swallowed, keeping what was already placed. A name outside the
// picture effects generates nothing and is noted to the reporter.
void RunPicEffect(TFlashPic& picture, const GenerationContext& context);

// The message for a picture's effect name that is none of the picture
// effects; nothing for a known name.
std::optional<std::string> PicNotShownReason(const std::string& effectName);

}  // namespace glimmora
