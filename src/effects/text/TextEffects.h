#pragma once
#include "objects/TFlashText.h"

#include <optional>
#include <string>
#include <vector>

namespace glimmora {

// Every name RunTextEffect generates: "-- None --" (the still text) first,
// then the effects, the two the editor does not offer ("Move", "Sin")
// included.
const std::vector<std::string>& TextEffectNames();

// Generates one text object by its EffectName; nothing for an empty text, a
// text of 128 characters or more, or a name outside the text effects (the
// last two are noted to the context's reporter). Errors of the service
// propagate and end the build.
void RunTextEffect(TFlashText& text, const GenerationContext& context);

// Why a text of this content and effect is not generated, in words for the
// user ("Texts longer than 127 characters are not shown"); nothing when it is
// generated or is simply empty.
std::optional<std::string> TextNotShownReason(const std::u32string& content, const std::string& effectName);

}  // namespace glimmora
