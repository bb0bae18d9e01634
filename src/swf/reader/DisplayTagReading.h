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

// Whether a tag of `code` whose body starts with `body` makes a display-list
// operation: every PlaceObject and RemoveObject, and a PlaceObject2 or 3 that
// moves or places a character.
bool MakesDisplayOp(uint16_t code, const uint8_t* body, size_t length);
// The operation of a display tag; nothing for another tag or one that
// MakesDisplayOp rejects.
std::optional<DisplayOp> ReadDisplayTag(uint16_t code, BitReader& body, uint8_t swfVersion);

}  // namespace glimmora::swf
