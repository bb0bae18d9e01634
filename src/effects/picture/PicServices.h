#pragma once
// What the picture routines take from the generation context: the movie with
// its media and overlay holders, and the random source of the jitter.

#include "objects/GenerationContext.h"

namespace glimmora {

// The context's holders; throws SwfError when the movie or a holder the
// picture routines use is missing, so the picture's error trap reports it.
SwfHolders& PictureHolders(const GenerationContext& context);

// The context's random source, or a clock-seeded one when it has none.
IRandomSource& PictureRandom(const GenerationContext& context);

}  // namespace glimmora
