#pragma once
// DefineSound, the SOUNDINFO of StartSound, and the streaming sound tags
// (SoundStreamHead, SoundStreamHead2, SoundStreamBlock).

#include "swf/reader/BitReader.h"
#include "swf/reader/DecodeContext.h"

namespace glimmora::swf {

// The DefineSound body after the sound id.
Sound ReadDefineSound(BitReader& in);
// A SOUNDINFO, envelope included; a field past the data throws DecodeError.
SoundInfo ReadSoundInfo(BitReader& in);

// A SoundStreamHead or SoundStreamHead2 body. LatencySeek is read when the
// stream is MP3 and the body holds it (some writers leave it out).
SoundStreamHead ReadSoundStreamHead(BitReader& in);
// A SoundStreamBlock body: all of it, as it is.
std::vector<uint8_t> ReadSoundStreamBlock(BitReader& in);

}  // namespace glimmora::swf
