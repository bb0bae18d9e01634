#pragma once
// The blur of the player's filters: a box `boxX` pixels wide and `boxY` high,
// run `passes` times (the filter's quality; three passes come close to a
// Gaussian). A box of fractional width weighs its two end pixels by the
// fraction. Outside the plane counts as zero.

#include "player/compositing/Plane.h"

namespace glimmora::player {

void BoxBlur(Plane& plane, double boxX, double boxY, int passes);

// How far a blur can spread a pixel, in whole pixels on each side.
int BlurReach(double box, int passes);

}  // namespace glimmora::player
