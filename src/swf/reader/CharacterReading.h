#pragma once
// Definition tags of the main timeline: characters into the dictionary,
// the background colour and the JPEG tables into the movie and context.

#include "swf/reader/BitReader.h"
#include "swf/reader/DecodeContext.h"
#include "swf/reader/TagHeader.h"

namespace glimmora::swf {

using MutableDictionary = std::map<uint16_t, std::shared_ptr<Character>>;

// Reads one non-control tag of the main timeline; tags we do not use are
// skipped. A character id that is already defined keeps its first definition.
void ReadDefinitionTag(const TagHeader& tag, BitReader& body, DecodedMovie& movie, MutableDictionary& dictionary,
                       DecodeContext& ctx);

}  // namespace glimmora::swf
