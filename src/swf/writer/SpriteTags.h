#pragma once
// DefineSprite of one frame: a still group of characters that the movie
// places as a single object.

#include "swf/format/Records.h"
#include "swf/writer/BitWriter.h"

#include <cstdint>
#include <vector>

namespace glimmora::swf {

struct StillChild {
    uint16_t characterId = 0;
    Matrix matrix;
    ColorTransform colorTransform;  // written when it changes anything
};

// The sprite's children at depths 1, 2, ... in order, each placed once, then
// ShowFrame and End. At most 65535 children. `scratch` is working space.
void WriteStillSprite(BitWriter& out, BitWriter& scratch, uint16_t id, const std::vector<StillChild>& children);

}  // namespace glimmora::swf
