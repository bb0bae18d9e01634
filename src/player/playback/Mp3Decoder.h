#pragma once
// MP3 DefineSound data: a 16-bit count of samples to skip at the start, then
// MPEG audio frames, decoded with libmpg123 from memory.

#include "player/playback/PcmSound.h"
#include "swf/reader/DecodedMovie.h"

namespace glimmora::player {

// Throws SoundDecodeError when no audio frame can be decoded.
PcmSound DecodeMp3(const swf::Sound& sound);

}  // namespace glimmora::player
