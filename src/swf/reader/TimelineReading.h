#pragma once
// A timeline's tag stream (the main one or a sprite's): control tags become
// frame records; every other tag goes to a handler.

#include "swf/reader/BitReader.h"
#include "swf/reader/DecodeContext.h"
#include "swf/reader/TagHeader.h"

#include <functional>
#include <memory>

namespace glimmora::swf {

using OtherTagHandler = std::function<void(const TagHeader&, BitReader& body)>;

// Reads tags until End, one frame per ShowFrame (operations after the last
// ShowFrame are never shown and are dropped). Without an End tag the stream
// is truncated: DecodeError when `requireEnd`, else the frames so far.
// A damaged tag throws DecodeError naming the tag and its offset.
//
// With `keptTags`, the tags `in` reads (at the same offsets), each frame's
// display operations are left in them (DisplayOpList::OfTags) and only
// counted; such operations are not checked until they are played.
std::vector<FrameRecord> ReadTimeline(BitReader& in, DecodeContext& ctx, bool requireEnd,
                                      const OtherTagHandler& other,
                                      const std::shared_ptr<const TagSource>& keptTags = nullptr);

}  // namespace glimmora::swf
