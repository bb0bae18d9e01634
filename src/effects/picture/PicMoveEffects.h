#pragma once
// The move routines: the picture slides unscaled across the stage in one of
// eight directions, plain, turning once (" -r") or shaking (" -s").

#include "effects/picture/PicMotion.h"
#include "objects/GenerationContext.h"

namespace glimmora {

enum class MoveDirection { Up, Down, Left, Right, UpLeft, DownLeft, UpRight, DownRight };

void RunMoveEffect(TFlashPic& picture, const GenerationContext& context, MoveDirection direction,
                   PicVariant variant);

}  // namespace glimmora
