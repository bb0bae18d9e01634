#pragma once
// The display-list and sound work of a chain plan in the order a movie does
// it within each frame: the removals (ended chains, then the depths that
// chains move from), the chains' steps from the bottom depth up, then the
// sounds of each part (a sound starts where it is placed; removed at a later
// frame it stops there, removed in the frame it started it plays to its end).
//
// VisitWork goes through that work list by list; SortByFrame, given such a
// walk, buckets what it yields by frame (a counting sort), so that the order
// within a frame is the walk's order and the work is walked once.

#include "swf/encoder/ChainPlan.h"

#include <cstdint>
#include <numeric>
#include <vector>

namespace glimmora::swf {

template <class Visitor>
void VisitWork(const ChainPlan& plan, Visitor&& visit)
{
    for (uint32_t c = 0; c < plan.chains.size(); ++c) {
        const PlannedChain& chain = plan.chains[c];
        if (chain.end != Placement::kOpen) visit.Remove(chain.end, plan.DepthAt(c, chain.end - 1));
    }
    for (const DepthMove& move : plan.moves) visit.Remove(move.frame, move.from);
    for (uint32_t c : plan.order) WalkChain(plan, c, [&](const ChainStep& step) { visit.Step(step); });
    for (uint32_t p = 0; p < plan.layouts.size(); ++p) {
        const auto& sounds = plan.layouts[p]->sounds;
        for (uint32_t i = 0; i < sounds.size(); ++i) {
            visit.Sound(sounds[i].start, p, i, false);
            if (sounds[i].end != Placement::kOpen && sounds[i].end > sounds[i].start) visit.Sound(sounds[i].end, p, i, true);
        }
    }
}

// The memory SortByFrame works in, kept between sorts.
template <class T>
struct FrameSortMemory {
    std::vector<T> walked;  // in the walk's order
    std::vector<int32_t> frameOf;
    std::vector<uint32_t> fill;
};

// Calls walk(emit) once; emit(frame, item) yields an item of `frame`.
// Leaves the items in `items` by frame, those of frame f at
// [frameStart[f], frameStart[f + 1]). The vectors keep their memory.
template <class T, class Walk>
void SortByFrame(int32_t frameCount, Walk&& walk, std::vector<T>& items, std::vector<uint32_t>& frameStart,
                 FrameSortMemory<T>& memory)
{
    frameStart.assign(size_t(frameCount) + 1, 0);
    memory.walked.clear();
    memory.frameOf.clear();
    walk([&](int32_t frame, const T& item) {
        memory.walked.push_back(item);
        memory.frameOf.push_back(frame);
        ++frameStart[size_t(frame) + 1];
    });
    std::partial_sum(frameStart.begin(), frameStart.end(), frameStart.begin());
    items.resize(frameStart.back());
    memory.fill.assign(frameStart.begin(), frameStart.end() - 1);
    for (size_t i = 0; i < memory.walked.size(); ++i) items[memory.fill[size_t(memory.frameOf[i])]++] = memory.walked[i];
}

}  // namespace glimmora::swf
