#pragma once
// Reads the AVM1 actions of a DoAction body. Players run a script up to a
// broken action and no further, so a damaged script is never an error of
// the movie: reading stops at the End action, the end of the data, or the
// first action whose operands do not fit their declared length.

#include "swf/reader/ActionProgram.h"
#include "swf/reader/BitReader.h"

namespace glimmora::swf {

ActionProgram ReadActions(BitReader& in, uint8_t swfVersion);

}  // namespace glimmora::swf
