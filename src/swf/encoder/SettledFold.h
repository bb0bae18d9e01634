#pragma once
// Folding settled objects together when a frame would show more than a movie
// holds at once.
//
// An SWF display list holds at most 65535 objects. Effects that leave their
// letters on the stage (each letter's last placement open to the end) can
// need more than that in a long movie. A chain that is open and whose last
// member began before a frame is settled there: what it shows never changes
// again. In the first frame that would show too many, the settled chains that
// lie next to one another in rank (of one depth class, with nothing ranked
// between them still shown from that frame on) end, and one sprite holding
// their last states, bottom to top, begins in their place: one object instead
// of many, drawn exactly as they were. This repeats at every frame that would
// still show too many; a sprite folded again gives its children to the new
// one, so sprites never nest, and holds at most 65535. Movies that fit are
// left exactly as they are.
//
// A folded sprite is a part of its own (owned by the plan): one placement of
// a sprite content (ContentKind::Sprite) with the identity matrix, ranked just
// above the chains it replaces.

#include "swf/encoder/ChainPlan.h"

#include <cstdint>

namespace glimmora::swf {

// Folds settled chains of `plan` (chains, segments and order set, depths not
// yet given) so that no frame shows more than `mostAtOnce` chains where
// folding can prevent it.
void FoldSettled(ChainPlan& plan, uint32_t mostAtOnce = kMostShownAtOnce);

}  // namespace glimmora::swf
