#include "swf/encoder/ChainPlan.h"

#include "swf/encoder/SettledFold.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace glimmora::swf {

uint16_t ChainPlan::DepthAt(uint32_t chain, int32_t frame) const
{
    uint16_t depth = chains[chain].depth;
    for (uint32_t m = chains[chain].firstMove; m != UINT32_MAX && moves[m].frame <= frame; m = nextMove[m])
        depth = moves[m].to;
    return depth;
}

ChainPlan PlanChains(const Timeline& timeline, uint32_t mostAtOnce)
{
    ChainPlan plan;
    plan.frameCount = timeline.FrameCount();
    const auto& parts = timeline.Parts();
    plan.layouts.reserve(parts.size());
    for (const auto& part : parts) plan.parts.push_back(part.get());

    std::unordered_map<uint32_t, uint32_t> holderChain;
    std::unordered_map<int32_t, uint32_t> classLast;
    for (uint32_t p = 0; p < parts.size(); ++p) {
        const EndOverrides& overrides = timeline.OverridesOf(p);
        plan.layouts.push_back(overrides.empty() ? parts[p]->Layout()
                                                 : std::make_shared<const PartLayout>(LayOutPart(*parts[p], overrides)));
        const PartLayout& layout = *plan.layouts.back();
        for (uint32_t c = 0; c < layout.chains.size(); ++c) {
            const PartChain& local = layout.chains[c];
            const uint32_t segment = uint32_t(plan.segments.size());
            plan.segments.push_back({p, c, UINT32_MAX});
            if (local.mayContinue) {
                auto held = holderChain.find(local.holder);
                auto lastInClass = classLast.find(local.depthClass);
                if (held != holderChain.end() && lastInClass != classLast.end() &&
                    lastInClass->second == held->second) {
                    PlannedChain& chain = plan.chains[held->second];
                    if (chain.end == local.start && chain.depthClass == local.depthClass) {
                        plan.segments[chain.lastSegment].next = segment;
                        chain.lastSegment = segment;
                        chain.end = local.end;
                        continue;
                    }
                }
            }
            const uint32_t index = uint32_t(plan.chains.size());
            PlannedChain chain;
            chain.depthClass = local.depthClass;
            chain.start = local.start;
            chain.end = local.end;
            chain.firstSegment = chain.lastSegment = segment;
            plan.chains.push_back(chain);
            holderChain[local.holder] = index;
            classLast[local.depthClass] = index;
        }
    }

    plan.order.resize(plan.chains.size());
    std::iota(plan.order.begin(), plan.order.end(), 0u);
    std::stable_sort(plan.order.begin(), plan.order.end(), [&](uint32_t x, uint32_t y) {
        return DepthClassKey(plan.chains[x].depthClass) < DepthClassKey(plan.chains[y].depthClass);
    });
    FoldSettled(plan, mostAtOnce);
    AssignDepths(plan);
    return plan;
}

}  // namespace glimmora::swf
