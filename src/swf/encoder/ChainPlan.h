#pragma once
// The chains of a whole timeline and the depth each one shows at.
//
// A part's chains are its own (PartLayout), except that a part's first chain
// of a class may continue the chain that its holder's placement before the
// part began: then both are one chain of several segments.
//
// Chains draw in rank order: by depth class (DepthClassKey), then in the order
// they began. The depths keep that order among the chains shown together in
// every frame, and chains that never show together may share a depth, so a
// long movie needs about as many depths as it shows objects at once.
//
// Taken in rank order, a chain lies just above every chain of lower rank
// that shows while it does (a skyline over the frames); the chains a part
// begins in a class start at a multiple of their count rounded up to a power
// of two, so that adding a letter to a text changes no other text's depths.
// Those levels are the depths as long as they fit in the 65535 a movie has;
// beyond, the movie is cut into stretches of frames whose chains have at most
// 65535 levels between them, numbered from 1 in each stretch. A chain shown
// across the start of a stretch moves to its new depth there: removed at the
// old one and placed again at the new one in the same frame.

#include "swf/encoder/PartLayout.h"
#include "swf/encoder/Timeline.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace glimmora::swf {

struct ChainSegment {
    uint32_t part = 0;
    uint32_t chain = 0;  // in the part's layout
    uint32_t next = UINT32_MAX;
};

// A chain moved to another depth from `frame` on.
struct DepthMove {
    uint32_t chain = 0;
    int32_t frame = 0;
    uint16_t from = 0;
    uint16_t to = 0;
};

struct PlannedChain {
    int32_t depthClass = 0;
    int32_t start = 0;
    int32_t end = Placement::kOpen;
    uint32_t firstSegment = 0;
    uint32_t lastSegment = 0;
    uint16_t depth = 0;                      // from its start until its first move
    uint32_t firstMove = UINT32_MAX;         // its moves in frame order, linked by nextMove
};

// The most objects a movie's display list holds at once.
constexpr uint32_t kMostShownAtOnce = 65535;

struct ChainPlan {
    std::vector<const TimelinePart*> parts;  // the timeline's, then the folded sprites'
    std::vector<std::shared_ptr<const TimelinePart>> folded;  // the parts of sprites (SettledFold)
    std::vector<std::shared_ptr<const PartLayout>> layouts;  // by part
    std::vector<PlannedChain> chains;  // in the order they began, then the folded sprites
    std::vector<ChainSegment> segments;
    std::vector<DepthMove> moves;  // in frame order
    std::vector<uint32_t> nextMove;  // by move: the chain's next move
    std::vector<uint32_t> order;   // chains, bottom to top
    int32_t frameCount = 1;
    uint32_t depthCount = 0;  // distinct depths used

    uint16_t DepthAt(uint32_t chain, int32_t frame) const;
};

// Where a depth class draws: lower keys draw below higher ones.
inline int64_t DepthClassKey(int32_t depthClass)
{
    return depthClass == 0 ? 3 : int64_t(depthClass) * 2;
}

// One tag's worth of a chain: a member shown at `frame`, at `depth`.
//  - First: the chain's first member, placed.
//  - Next: a later member of the same segment, modifying the depth.
//  - Continue: the first member of a later segment, modifying what the last
//    member of the segment before (previous) left.
//  - Moved: the member shown at `frame`, placed again at a new depth.
struct ChainStep {
    enum class Kind : uint8_t { First, Next, Continue, Moved };
    Kind kind = Kind::First;
    int32_t frame = 0;
    uint16_t depth = 0;
    uint32_t part = 0;
    uint32_t member = 0;  // in the part's layout
    uint32_t previousPart = 0;
    uint32_t previousMember = 0;
};

// Visits the steps of `chain` in frame order. A member that begins in the
// frame of a move is shown by the move.
template <class Visit>
void WalkChain(const ChainPlan& plan, uint32_t chain, Visit&& visit)
{
    const PlannedChain& planned = plan.chains[chain];
    uint32_t move = planned.firstMove;
    uint16_t depth = planned.depth;
    uint32_t shownPart = 0, shownMember = 0;  // the member shown now
    // Moves before `frame` place the member shown again.
    auto movesBefore = [&](int32_t frame) {
        for (; move != UINT32_MAX && plan.moves[move].frame < frame; move = plan.nextMove[move]) {
            depth = plan.moves[move].to;
            ChainStep moved;
            moved.kind = ChainStep::Kind::Moved;
            moved.frame = plan.moves[move].frame;
            moved.depth = depth;
            moved.part = shownPart;
            moved.member = shownMember;
            visit(moved);
        }
    };
    bool first = true;
    for (uint32_t s = planned.firstSegment; s != UINT32_MAX; s = plan.segments[s].next) {
        const ChainSegment& segment = plan.segments[s];
        const PartLayout& layout = *plan.layouts[segment.part];
        const PartChain& local = layout.chains[segment.chain];
        for (uint32_t k = 0; k < local.memberCount; ++k) {
            ChainStep step;
            step.part = segment.part;
            step.member = local.firstMember + k;
            step.frame = layout.events[step.member].start;
            step.previousPart = shownPart;
            step.previousMember = shownMember;
            movesBefore(step.frame);
            step.kind = first ? ChainStep::Kind::First : k == 0 ? ChainStep::Kind::Continue : ChainStep::Kind::Next;
            if (move != UINT32_MAX && plan.moves[move].frame == step.frame) {
                depth = plan.moves[move].to;
                move = plan.nextMove[move];
                step.kind = ChainStep::Kind::Moved;
            }
            step.depth = depth;
            visit(step);
            shownPart = step.part;
            shownMember = step.member;
            first = false;
        }
    }
    movesBefore(planned.end);
}

// Folds settled chains together where a frame would show more than
// `mostAtOnce` of them (SettledFold). Throws SwfError when more than 65535
// objects would still show at once.
ChainPlan PlanChains(const Timeline& timeline, uint32_t mostAtOnce = kMostShownAtOnce);

// Gives every chain its depth and makes the moves (ChainPlan::depth, moves,
// depthCount); `plan.chains` and `plan.order` are set.
void AssignDepths(ChainPlan& plan);

}  // namespace glimmora::swf
