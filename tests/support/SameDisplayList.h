#pragma once
// Whether a running timeline's display list holds exactly what a plain replay
// of the operations (DecodedMovie::DisplayListAt) gives: the same objects at
// the same depths with the same fields. For the player's tests.

#include "player/timeline/DepthList.h"
#include "swf/reader/DecodedMovie.h"

#include <gtest/gtest.h>

#include <string>

namespace glimmora::test {

inline ::testing::AssertionResult SameDisplayList(const player::DepthList& actual, const swf::DisplayList& expected)
{
    if (actual.size() != expected.size()) {
        return ::testing::AssertionFailure() << actual.size() << " objects instead of " << expected.size();
    }
    auto e = expected.begin();
    for (const player::DepthList::Entry& a : actual) {
        const player::DisplayObject& x = a.object;
        const swf::DisplayItem& y = e->second;
        if (a.depth != e->first || x.characterId != y.characterId || !(x.matrix == y.matrix) ||
            !(x.colorTransform == y.colorTransform) || x.ratio != y.ratio || x.clipDepth != y.clipDepth ||
            x.name != y.name || x.placeFrame != y.placedAtFrame) {
            return ::testing::AssertionFailure() << "the object at depth " << a.depth << " differs";
        }
        ++e;
    }
    return ::testing::AssertionSuccess();
}

// Whether two running display lists hold the same objects at the same depths
// with the same fields.
inline ::testing::AssertionResult SameDisplayList(const player::DepthList& actual, const player::DepthList& expected)
{
    if (actual.size() != expected.size()) {
        return ::testing::AssertionFailure() << actual.size() << " objects instead of " << expected.size();
    }
    auto e = expected.begin();
    for (const player::DepthList::Entry& a : actual) {
        const player::DisplayObject& x = a.object;
        const player::DisplayObject& y = e->object;
        if (a.depth != e->depth || x.characterId != y.characterId || !(x.matrix == y.matrix) ||
            !(x.colorTransform == y.colorTransform) || x.ratio != y.ratio || x.clipDepth != y.clipDepth ||
            x.name != y.name || x.visible != y.visible || x.placeFrame != y.placeFrame) {
            return ::testing::AssertionFailure() << "the object at depth " << a.depth << " differs";
        }
        ++e;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace glimmora::test
