#pragma once
// The text effects that animate a text in place.

#include "effects/text/TextFrameStep.h"

namespace glimmora {

void HeartBeat(TextRun& run);  // letters swell, jump and shrink back: two runs of 13 steps
void Kerning(TextRun& run);    // the gaps between letters widen while the text fades in
void Radiation(TextRun& run);  // the whole text bursts outward and dissolves
void Rainbow(TextRun& run);    // every letter takes a new random colour at every step
void Rotate(TextRun& run);     // the whole text turns twice while it shrinks into place
void Sin(TextRun& run);        // the letters sway along the diagonal for 241 frames

}  // namespace glimmora
