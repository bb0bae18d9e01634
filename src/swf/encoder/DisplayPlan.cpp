#include "swf/encoder/DisplayPlan.h"

#include "swf/SwfService.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace glimmora::swf {
namespace {

constexpr uint32_t kNone = UINT32_MAX;

struct Chain {
    int32_t depthClass = 0;
    uint32_t first = 0;
    uint32_t last = 0;
    int32_t end = 0;
};

}  // namespace

DisplayPlan PlanDisplay(const Timeline& timeline)
{
    const auto& placements = timeline.Placements();
    const auto& contents = timeline.Contents();

    std::vector<Chain> chains;
    std::vector<uint32_t> next(placements.size(), kNone);
    std::unordered_map<uint32_t, uint32_t> holderChain;
    std::unordered_map<int32_t, uint32_t> classLast;
    std::vector<PlanEvent> events;
    events.reserve(placements.size() + placements.size() / 8 + 16);

    for (uint32_t i = 0; i < placements.size(); ++i) {
        const Placement& p = placements[i];
        if (p.content == Placement::kNoContent) {
            continue;
        }
        if (!contents[p.content]->Visible()) {
            // A sound starts where it is placed. Removed at a later frame, it
            // stops there; removed in the frame it started, it plays to its end.
            events.push_back({PlanEvent::Kind::StartSound, 0, i, p.start});
            if (p.end != Placement::kOpen && p.end > p.start) {
                events.push_back({PlanEvent::Kind::StopSound, 0, i, p.end});
            }
            continue;
        }
        if (p.Empty()) {
            continue;
        }
        auto held = holderChain.find(p.holder);
        auto lastInClass = classLast.find(p.depthClass);
        if (held != holderChain.end() && lastInClass != classLast.end() &&
            lastInClass->second == held->second) {
            Chain& chain = chains[held->second];
            if (chain.end == p.start && chain.depthClass == p.depthClass) {
                next[chain.last] = i;
                chain.last = i;
                chain.end = p.end;
                continue;
            }
        }
        const uint32_t index = uint32_t(chains.size());
        chains.push_back({p.depthClass, i, i, p.end});
        holderChain[p.holder] = index;
        classLast[p.depthClass] = index;
    }

    std::vector<uint32_t> order(chains.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](uint32_t x, uint32_t y) {
        return DepthClassKey(chains[x].depthClass) < DepthClassKey(chains[y].depthClass);
    });
    if (order.size() > 65535) {
        throw SwfError("The movie needs " + std::to_string(order.size()) +
                       " depths for its objects; an SWF movie holds at most 65535");
    }

    const size_t soundEvents = events.size();
    for (uint32_t rank = 0; rank < order.size(); ++rank) {
        const Chain& chain = chains[order[rank]];
        const uint16_t depth = uint16_t(rank + 1);
        events.push_back({PlanEvent::Kind::Place, depth, chain.first, placements[chain.first].start});
        for (uint32_t i = next[chain.first]; i != kNone; i = next[i]) {
            events.push_back({PlanEvent::Kind::Next, depth, i, placements[i].start});
        }
        if (chain.end != Placement::kOpen) {
            events.push_back({PlanEvent::Kind::Remove, depth, chain.last, chain.end});
        }
    }
    // Display work first in each frame, then the sounds.
    std::rotate(events.begin(), events.begin() + soundEvents, events.end());

    DisplayPlan plan;
    plan.frameCount = timeline.FrameCount();
    plan.depthCount = uint32_t(order.size());
    // A stable counting sort by frame.
    plan.frameStart.assign(size_t(plan.frameCount) + 1, 0);
    for (const PlanEvent& e : events) {
        ++plan.frameStart[size_t(e.frame) + 1];
    }
    std::partial_sum(plan.frameStart.begin(), plan.frameStart.end(), plan.frameStart.begin());
    std::vector<uint32_t> fill(plan.frameStart.begin(), plan.frameStart.end() - 1);
    plan.events.resize(events.size());
    for (const PlanEvent& e : events) {
        plan.events[fill[size_t(e.frame)]++] = e;
    }
    return plan;
}

}  // namespace glimmora::swf
