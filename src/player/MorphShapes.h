#pragma once
// A morph shape at a ratio: the shape between its start (ratio 0) and its
// end (65535), every point, colour, gradient stop, matrix and line width
// taken in proportion. The result is an ordinary shape, drawn as one.

#include "swf/reader/DecodedMovie.h"

#include <cstdint>

namespace glimmora::player {

swf::Shape MorphShapeAt(const swf::MorphShape& morph, uint16_t ratio);

}  // namespace glimmora::player
