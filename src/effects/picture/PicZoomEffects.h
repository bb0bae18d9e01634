#pragma once
// The zoom routines: the picture grows from almost nothing to full size
// ("Zoom In") or shrinks to nothing ("Zoom Out") while the centre, an edge or
// a corner of its centred box stays in place; plain, turning or shaking.

#include "effects/picture/PicMotion.h"
#include "objects/GenerationContext.h"

namespace glimmora {

enum class ZoomDirection { In, Out };
enum class ZoomAnchor { None, Up, Down, Left, Right, UpLeft, DownLeft, UpRight, DownRight };

void RunZoomEffect(TFlashPic& picture, const GenerationContext& context, ZoomDirection direction,
                   ZoomAnchor anchor, PicVariant variant);

}  // namespace glimmora
