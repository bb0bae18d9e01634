#pragma once
// A part's placements as display-list work: its chains and their PlaceObject2
// tags, encoded once with the depth and the character id left to fill in.
//
// The placements of one holder that follow one another without a gap (the
// effects' remove-then-add at every frame) form a chain that keeps one depth:
// the first places, each later one modifies or replaces, the end removes.
// Empty placements are skipped. A placement joins its holder's chain only when
// nothing else of its depth class was placed in between, so that ranking the
// chains by their first placement keeps the drawing order exact: depth class
// 1 lowest, then objects without a class, then class 2 and higher; within a
// class, later placements above earlier ones. A part's first chain of a class
// may continue a chain of the parts before it, which only the whole timeline
// can tell (see ChainPlan).

#include "swf/encoder/TimelinePart.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace glimmora::swf {

struct PartChain {
    int32_t depthClass = 0;
    uint32_t holder = 0;
    int32_t start = 0;
    int32_t end = Placement::kOpen;  // shows in [start, end)
    uint32_t firstMember = 0;        // its placements: members[firstMember, + memberCount)
    uint32_t memberCount = 0;
    // The part's first chain of its holder and of its class, so it may continue
    // the chain that the holder's placement before the part began.
    bool mayContinue = false;
};

// The tag that shows a chain's member: a PlaceObject2 for the first, a
// modifying one for the others, relative to the member before. Empty when
// nothing changed. Depth and character id are written as 0, at flagsAt + 1
// and (with hasId) flagsAt + 3. The member's frame and content are kept
// beside it, so that walking a chain reads its events only.
struct PartEvent {
    uint32_t offset = 0;  // into PartLayout::bytes
    uint16_t length = 0;
    uint8_t flagsAt = 0;
    bool hasId = false;
    int32_t start = 0;     // the frame the member shows from
    uint32_t content = 0;  // of the part
};

struct PartSound {
    uint32_t placement = 0;
    int32_t start = 0;
    int32_t end = Placement::kOpen;
};

struct PartLayout {
    std::vector<PartChain> chains;     // in the order they begin
    std::vector<uint32_t> members;     // placement indices, chain by chain
    std::vector<PartEvent> events;     // one per member
    std::vector<uint8_t> bytes;
    std::vector<PartSound> sounds;
    std::vector<uint8_t> usedContents;  // by content: shown or played somewhere
};

// (placement index, end) of placements that later parts ended, by index.
using EndOverrides = std::vector<std::pair<uint32_t, int32_t>>;

PartLayout LayOutPart(const TimelinePart& part, const EndOverrides& overrides = {});

// The state a member leaves its depth in, as written.
struct ShownState {
    uint32_t content = Placement::kNoContent;  // of the part
    Matrix matrix;
    ColorTransform colorTransform;
};
ShownState StateOf(const TimelinePart& part, uint32_t placement);

}  // namespace glimmora::swf
