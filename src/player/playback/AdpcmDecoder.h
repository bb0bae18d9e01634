#pragma once
// The SWF flavour of IMA ADPCM: a 2-bit code size (2 to 5 bits per code),
// then packets of a 16-bit sample and a 6-bit step index per channel
// followed by up to 4095 codes per channel, interleaved for stereo. The
// stream is a bit stream with no byte alignment between packets.

#include "player/playback/PcmSound.h"
#include "swf/reader/DecodedMovie.h"

#include <cstdint>

namespace glimmora::player {

// Decodes at most the declared sample count, and at most `maxFrames`; a
// stream that ends early gives the samples decoded so far.
PcmSound DecodeAdpcm(const swf::Sound& sound, size_t maxFrames = SIZE_MAX);

}  // namespace glimmora::player
