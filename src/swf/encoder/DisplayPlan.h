#pragma once
// The display-list work of a timeline frame by frame, as the movie file does
// it: which placement each depth shows from which frame on. The encoder
// writes from the chain plan (ChainPlan) directly; this spelled-out form is
// for inspection.

#include "swf/encoder/ChainPlan.h"
#include "swf/encoder/Timeline.h"

#include <cstdint>
#include <vector>

namespace glimmora::swf {

struct PlanEvent {
    enum class Kind : uint8_t { Place, Next, Remove, StartSound, StopSound };
    // The placement of a sprite of settled placements folded together.
    static constexpr uint32_t kFolded = UINT32_MAX;

    Kind kind = Kind::Place;
    uint16_t depth = 0;      // display events
    uint32_t placement = 0;  // Place, Next and the sounds: an index of Timeline::Placements(), or kFolded
    int32_t frame = 0;
};

struct DisplayPlan {
    // By frame; within a frame the removals first, then the depths from the
    // bottom up, then the sounds.
    std::vector<PlanEvent> events;
    std::vector<uint32_t> frameStart;  // events of frame f: [frameStart[f], frameStart[f + 1])
    int32_t frameCount = 1;
    uint32_t depthCount = 0;
};

// Throws SwfError when more than 65535 objects show at once.
DisplayPlan PlanDisplay(const Timeline& timeline, uint32_t mostAtOnce = kMostShownAtOnce);

}  // namespace glimmora::swf
