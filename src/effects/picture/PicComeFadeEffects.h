#pragma once
// The entrance and exit routines: the "Come" routines unroll a picture along
// one axis from a line to full size ("Come In") or roll it up to a line
// ("Come Out"); the fade routine lays a darkening veil over a still picture.

#include "objects/GenerationContext.h"
#include "objects/TFlashPic.h"

namespace glimmora {

enum class ComeDirection { In, Out };
// The scaled axis and the line the picture unrolls from or rolls up to: "x"
// and "y" the centre line; "xl", "xr", "yt", "yb" the side toward which it
// unrolls or rolls up.
enum class ComeLine { X, XLeft, XRight, Y, YTop, YBottom };

void RunComeEffect(TFlashPic& picture, const GenerationContext& context, ComeDirection direction,
                   ComeLine line);

// "Fade In" and "Fade Out" alike: the picture stands still from StartTime to
// EndTime - 1 under a black rectangle placed anew at every frame f from
// StartTime to EndTime with alpha 3 * f; the last rectangle stays.
void FadePicture(TFlashPic& picture, const GenerationContext& context);

}  // namespace glimmora
