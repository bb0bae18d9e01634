#pragma once
// The text effects that bring a text onto the stage or take it off.

#include "effects/text/TextFrameStep.h"

namespace glimmora {

void ComeIn(TextRun& run);   // letters shrink in from large and faint, 6.25 frames apart
void ComeOut(TextRun& run);  // letters swell and vanish, 6.25 frames apart
void FadeIn(TextRun& run);   // the whole text fades in over 25 frames
void FadeOut(TextRun& run);  // the whole text fades out over 25 frames
void Move(TextRun& run);     // the whole text scrolls left for 240 frames
void RollIn(TextRun& run);   // letters slide in from the right, 12.75 frames apart

}  // namespace glimmora
