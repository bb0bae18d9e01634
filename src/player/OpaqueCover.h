#pragma once
// A long movie may leave many objects on the stage under one that hides the
// whole of it, a picture filling the stage say. Nothing under such an object
// can show, so the renderer starts drawing from it: the frame comes out the
// same, and the pictures underneath need not be decoded nor kept.
//
// An object hides the stage when it is a shape whose fills all come out
// opaque (solid or gradient colours of full alpha, pictures without an alpha
// channel, through a colour transform that keeps alpha full) and together
// cover every device pixel of the stage, and no clip layer below it masks it;
// drawn plainly, without a blend mode, filters or a bitmap cache.

#include "player/CharacterCache.h"
#include "player/timeline/DepthList.h"

#include <QRect>
#include <QTransform>

#include <cstdint>

namespace glimmora::player {

// The depth of the topmost object of `list` (drawn through `toDevice`) that
// hides all of `visible`, or 0 when none does.
uint16_t OpaqueCoverDepth(const DepthList& list, const QTransform& toDevice, const QRect& visible,
                          CharacterCache& cache);

}  // namespace glimmora::player
