#pragma once
#include "objects/GenerationContext.h"
#include "objects/TFlashText.h"

namespace glimmora {

// "-- None --": the whole text for ExSpeed + 1 steps (ExSpeed 0 counts as
// 9) from StartTime, with the object's own Ex values, taken off in the frame
// of its last step.
void PlaceStaticText(TFlashText& text, const GenerationContext& context);

}  // namespace glimmora
