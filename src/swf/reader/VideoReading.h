#pragma once
// DefineVideoStream and VideoFrame: a stream's format, and its frames'
// data gathered into the stream's character.

#include "swf/reader/BitReader.h"
#include "swf/reader/CharacterReading.h"
#include "swf/reader/DecodeContext.h"

namespace glimmora::swf {

// The tag body after the stream's id.
VideoStream ReadDefineVideoStream(BitReader& in);

// A VideoFrame tag's body: its data joins the stream it names, if that
// stream is defined (players keep the first data given for a frame number).
void AddVideoFrame(BitReader& in, MutableDictionary& dictionary, DecodeContext& ctx);

}  // namespace glimmora::swf
