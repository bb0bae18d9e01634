#pragma once
// DefineSound and the SOUNDINFO of StartSound.

#include "swf/reader/BitReader.h"
#include "swf/reader/DecodeContext.h"

namespace glimmora::swf {

// The DefineSound body after the sound id.
Sound ReadDefineSound(BitReader& in);
SoundInfo ReadSoundInfo(BitReader& in);

}  // namespace glimmora::swf
