#pragma once
// The picture shape that every picture routine starts with, and the still
// placement of "-- None --".

#include "objects/GenerationContext.h"
#include "objects/TFlashPic.h"

namespace glimmora {

// How the routine passes the picture's rectangle: the move routines as whole
// twips, all others as real numbers. The values are the same.
enum class PicRectForm { Integer, Real };

// The picture's rectangle in twips: PositionX/Y * 20 to that plus Width/Height * 20.
struct PicRect {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
PicRect RectOf(const TFlashPic& picture, PicRectForm form);

// MakePicture on the media holder with the rectangle, the size in pixels and
// JpegPath, then depth class 1 (below all text).
void MakePictureShape(const TFlashPic& picture, const GenerationContext& context, PicRectForm form);

// "-- None --": the picture stands unscaled at its rectangle from StartTime
// through EndTime - 1.
void PlaceStaticPicture(TFlashPic& picture, const GenerationContext& context);

}  // namespace glimmora
