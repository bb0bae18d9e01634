#pragma once
// Turns the timeline's placements into display-list work per frame.
//
// The placements of one holder that follow one another without a gap (the
// effects' remove-then-add at every frame) form a chain that keeps one depth:
// the first places, each later one modifies or replaces, the end removes.
// Empty placements are skipped. A placement joins its holder's chain only when
// nothing else of its depth class was placed in between, so that ranking the
// chains by their first placement keeps the drawing order exact: depth class
// 1 lowest, then objects without a class, then class 2 and higher; within a
// class, later placements above earlier ones.

#include "swf/encoder/Timeline.h"

#include <cstdint>
#include <vector>

namespace glimmora::swf {

struct PlanEvent {
    enum class Kind : uint8_t { Place, Next, Remove, StartSound, StopSound };
    Kind kind = Kind::Place;
    uint16_t depth = 0;      // display events
    uint32_t placement = 0;  // Place, Next and the sounds
    int32_t frame = 0;
};

struct DisplayPlan {
    std::vector<PlanEvent> events;  // by frame; within a frame in depth order
    std::vector<uint32_t> frameStart;  // events of frame f: [frameStart[f], frameStart[f + 1])
    int32_t frameCount = 1;
    uint32_t depthCount = 0;
};

// Throws SwfError when the movie needs more than 65535 depths.
DisplayPlan PlanDisplay(const Timeline& timeline);

// Where a depth class draws: lower keys draw below higher ones.
inline int64_t DepthClassKey(int32_t depthClass)
{
    return depthClass == 0 ? 3 : int64_t(depthClass) * 2;
}

}  // namespace glimmora::swf
