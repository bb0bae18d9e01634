#include "swf/encoder/DisplayPlan.h"

#include <numeric>

namespace glimmora::swf {

DisplayPlan PlanDisplay(const Timeline& timeline)
{
    const ChainPlan chains = PlanChains(timeline);
    auto global = [&](uint32_t part, uint32_t member) {
        return timeline.FirstPlacementOf(part) + chains.layouts[part]->members[member];
    };

    std::vector<PlanEvent> removals, shows, sounds;
    for (uint32_t c = 0; c < chains.chains.size(); ++c) {
        const PlannedChain& chain = chains.chains[c];
        if (chain.end != Placement::kOpen)
            removals.push_back({PlanEvent::Kind::Remove, chains.DepthAt(c, chain.end - 1), 0, chain.end});
    }
    for (const DepthMove& move : chains.moves) removals.push_back({PlanEvent::Kind::Remove, move.from, 0, move.frame});
    for (uint32_t c : chains.order) {
        WalkChain(chains, c, [&](const ChainStep& step) {
            const bool places = step.kind == ChainStep::Kind::First || step.kind == ChainStep::Kind::Moved;
            shows.push_back({places ? PlanEvent::Kind::Place : PlanEvent::Kind::Next, step.depth,
                             global(step.part, step.member), step.frame});
        });
    }
    for (uint32_t p = 0; p < chains.layouts.size(); ++p) {
        for (const PartSound& sound : chains.layouts[p]->sounds) {
            const uint32_t placement = timeline.FirstPlacementOf(p) + sound.placement;
            // A sound starts where it is placed. Removed at a later frame, it
            // stops there; removed in the frame it started, it plays to its end.
            sounds.push_back({PlanEvent::Kind::StartSound, 0, placement, sound.start});
            if (sound.end != Placement::kOpen && sound.end > sound.start)
                sounds.push_back({PlanEvent::Kind::StopSound, 0, placement, sound.end});
        }
    }

    DisplayPlan plan;
    plan.frameCount = chains.frameCount;
    plan.depthCount = chains.depthCount;
    plan.frameStart.assign(size_t(plan.frameCount) + 1, 0);
    for (const auto* list : {&removals, &shows, &sounds})
        for (const PlanEvent& e : *list) ++plan.frameStart[size_t(e.frame) + 1];
    std::partial_sum(plan.frameStart.begin(), plan.frameStart.end(), plan.frameStart.begin());
    std::vector<uint32_t> fill(plan.frameStart.begin(), plan.frameStart.end() - 1);
    plan.events.resize(removals.size() + shows.size() + sounds.size());
    for (const auto* list : {&removals, &shows, &sounds})
        for (const PlanEvent& e : *list) plan.events[fill[size_t(e.frame)]++] = e;
    return plan;
}

}  // namespace glimmora::swf
