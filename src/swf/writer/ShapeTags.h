#pragma once
// DefineShape3 rectangles: the box 0..width x 0..height filled either with a
// solid colour or with a clipped, smoothed bitmap.

#include "swf/format/Records.h"
#include "swf/writer/BitWriter.h"

#include <cstdint>

namespace glimmora::swf {

struct RectangleFill {
    bool bitmap = false;
    Rgba color;                // solid fill
    uint16_t bitmapId = 0;     // bitmap fill (type 0x41)
    Matrix bitmapMatrix;       // bitmap pixels to shape twips
};

void WriteRectangleShape(BitWriter& out, BitWriter& scratch, uint16_t shapeId, Twips width,
                         Twips height, const RectangleFill& fill);

}  // namespace glimmora::swf
