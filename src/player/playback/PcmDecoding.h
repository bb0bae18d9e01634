#pragma once
// Uncompressed DefineSound data (formats 0 and 3): 8-bit unsigned with 128 as
// silence, or 16-bit signed little-endian. Data shorter than the declared
// sample count gives only the whole samples it holds.

#include "player/playback/PcmSound.h"
#include "swf/reader/DecodedMovie.h"

#include <cstdint>

namespace glimmora::player {

// At most `maxFrames` frames are decoded.
PcmSound DecodePcm(const swf::Sound& sound, size_t maxFrames = SIZE_MAX);

}  // namespace glimmora::player
