#pragma once
// PlaceObject 1/2/3 and RemoveObject 1/2 as display-list operations.

#include "swf/reader/BitReader.h"

#include <optional>

namespace glimmora::swf {

DisplayOp ReadPlaceObject(BitReader& in);
// PlaceObject2 (`version` 2) or PlaceObject3 (3). Nothing for the invalid
// combination of neither Move nor a character.
std::optional<DisplayOp> ReadPlaceObject2(BitReader& in, int version, uint8_t swfVersion);
// RemoveObject (`version` 1, with a character id) or RemoveObject2.
DisplayOp ReadRemoveObject(BitReader& in, int version);

}  // namespace glimmora::swf
