#pragma once
// A timeline's tag stream (the main one or a sprite's): control tags become
// frame records; every other tag goes to a handler.

#include "swf/reader/BitReader.h"
#include "swf/reader/DecodeContext.h"
#include "swf/reader/TagHeader.h"

#include <functional>

namespace glimmora::swf {

using OtherTagHandler = std::function<void(const TagHeader&, BitReader& body)>;

// Reads tags until End, one frame per ShowFrame (operations after the last
// ShowFrame are never shown and are dropped). Without an End tag the stream
// is truncated: DecodeError when `requireEnd`, else the frames so far.
// A damaged tag throws DecodeError naming the tag and its offset.
std::vector<FrameRecord> ReadTimeline(BitReader& in, DecodeContext& ctx, bool requireEnd,
                                      const OtherTagHandler& other);

}  // namespace glimmora::swf
