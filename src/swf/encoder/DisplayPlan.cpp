#include "swf/encoder/DisplayPlan.h"

#include "swf/encoder/FrameOrder.h"

namespace glimmora::swf {

namespace {

// The events of the chain plan's work, as VisitWork yields it.
template <class Emit>
struct EventVisitor {
    const ChainPlan& chains;
    const Timeline& timeline;
    Emit& emit;

    uint32_t Global(uint32_t part, uint32_t placement) const
    {
        if (part >= timeline.Parts().size()) return PlanEvent::kFolded;
        return timeline.FirstPlacementOf(part) + placement;
    }

    void Remove(int32_t frame, uint16_t depth) { emit(frame, PlanEvent{PlanEvent::Kind::Remove, depth, 0, frame}); }
    void Step(const ChainStep& step)
    {
        const bool places = step.kind == ChainStep::Kind::First || step.kind == ChainStep::Kind::Moved;
        emit(step.frame, PlanEvent{places ? PlanEvent::Kind::Place : PlanEvent::Kind::Next, step.depth,
                                   Global(step.part, chains.layouts[step.part]->members[step.member]), step.frame});
    }
    void Sound(int32_t frame, uint32_t part, uint32_t index, bool stop)
    {
        emit(frame, PlanEvent{stop ? PlanEvent::Kind::StopSound : PlanEvent::Kind::StartSound, 0,
                              Global(part, chains.layouts[part]->sounds[index].placement), frame});
    }
};

}  // namespace

DisplayPlan PlanDisplay(const Timeline& timeline, uint32_t mostAtOnce)
{
    const ChainPlan chains = PlanChains(timeline, mostAtOnce);
    DisplayPlan plan;
    plan.frameCount = chains.frameCount;
    plan.depthCount = chains.depthCount;
    FrameSortMemory<PlanEvent> memory;
    SortByFrame<PlanEvent>(
        plan.frameCount,
        [&](auto&& emit) {
            EventVisitor<decltype(emit)> visitor{chains, timeline, emit};
            VisitWork(chains, visitor);
        },
        plan.events, plan.frameStart, memory);
    return plan;
}

}  // namespace glimmora::swf
