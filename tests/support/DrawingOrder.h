#pragma once
// Whether a written movie shows, in every frame, what its timeline holds in
// the order the service promises: the placements shown in that frame, each
// with its transform and colour, depth class 1 lowest, then holders without a
// class, then class 2; within a class, later placements above earlier ones.
// The movie's display list is replayed from its operations as a player does;
// a sprite of settled objects that the writer folded together draws its
// children in its place.

#include "swf/encoder/Timeline.h"
#include "swf/reader/DecodedMovie.h"

#include <gtest/gtest.h>

namespace glimmora::test {

::testing::AssertionResult DrawsAsPlaced(const swf::Timeline& timeline, const swf::DecodedMovie& movie);

// The most objects the movie's root display list holds in any one frame.
size_t MostShownAtOnce(const swf::DecodedMovie& movie);

}  // namespace glimmora::test
