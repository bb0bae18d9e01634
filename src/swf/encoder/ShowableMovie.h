#pragma once
// The writer's promise that our player takes every movie it writes: a movie
// that the reader would refuse (too large, a stage too large, too many
// records) is refused before anything is written, with the cause.

#include "swf/reader/DecodedMovie.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace glimmora::swf {

// Throws SwfError naming the cause when the player, reading with `limits`,
// could not show `movie` (uncompressed SWF bytes) of `records` records (as
// CountDecodedRecords counts them; the encoder counts them as it writes).
void RequireShowable(const std::vector<uint8_t>& movie, size_t records, const DecodeLimits& limits = {});

}  // namespace glimmora::swf
