#pragma once
// PlaceObject2 and RemoveObject2. The flags follow from the fields present.

#include "swf/format/Records.h"
#include "swf/writer/BitWriter.h"

#include <cstdint>
#include <optional>

namespace glimmora::swf {

struct PlaceObject2 {
    uint16_t depth = 1;
    bool move = false;  // modify (no character) or replace (with one)
    std::optional<uint16_t> characterId;
    std::optional<Matrix> matrix;
    std::optional<ColorTransform> colorTransform;
};

// `scratch` is working space for the body, cleared first.
void WritePlaceObject2(BitWriter& out, BitWriter& scratch, const PlaceObject2& place);
void WriteRemoveObject2(BitWriter& out, uint16_t depth);

}  // namespace glimmora::swf
