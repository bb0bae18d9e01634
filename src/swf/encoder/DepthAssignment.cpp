#include "swf/SwfService.h"
#include "swf/encoder/ChainPlan.h"

#include <algorithm>
#include <bit>
#include <bitset>
#include <string>
#include <unordered_set>

namespace glimmora::swf {
namespace {

constexpr uint32_t kNone = UINT32_MAX;
constexpr uint32_t kTop = 65535;
// Larger parts need not keep other parts' depths when they change.
constexpr uint32_t kLargestBlock = 256;

// The highest level over ranges of frames, raised range by range.
class Skyline {
public:
    explicit Skyline(size_t frames) : size_(std::bit_ceil(std::max<size_t>(frames, 1))), high_(2 * size_, 0), set_(2 * size_, 0) {}

    uint32_t Highest(size_t from, size_t to) const { return Highest(1, 0, size_, from, to); }
    // Sets the frames [from, to) to `level`, above all of them.
    void Raise(size_t from, size_t to, uint32_t level) { Raise(1, 0, size_, from, to, level); }

private:
    uint32_t Highest(size_t node, size_t lo, size_t hi, size_t from, size_t to) const
    {
        if (to <= lo || hi <= from) return 0;
        if (set_[node] || (from <= lo && hi <= to)) return high_[node];
        const size_t mid = (lo + hi) / 2;
        return std::max(Highest(2 * node, lo, mid, from, to), Highest(2 * node + 1, mid, hi, from, to));
    }

    void Raise(size_t node, size_t lo, size_t hi, size_t from, size_t to, uint32_t level)
    {
        if (to <= lo || hi <= from) return;
        if (from <= lo && hi <= to) {
            high_[node] = set_[node] = level;
            return;
        }
        if (set_[node]) {  // hand the whole range's level down first
            for (size_t child : {2 * node, 2 * node + 1}) high_[child] = set_[child] = set_[node];
            set_[node] = 0;
        }
        const size_t mid = (lo + hi) / 2;
        Raise(2 * node, lo, mid, from, to, level);
        Raise(2 * node + 1, mid, hi, from, to, level);
        high_[node] = std::max(high_[2 * node], high_[2 * node + 1]);
    }

    size_t size_;
    std::vector<uint32_t> high_;  // the highest level below the node
    std::vector<uint32_t> set_;   // the level of the whole node's range, when one
};

class DepthAssigner {
public:
    explicit DepthAssigner(ChainPlan& plan) : plan_(plan), count_(uint32_t(plan.chains.size()))
    {
        level_.assign(count_, 0);
        lastMove_.assign(count_, kNone);
    }

    void Run()
    {
        Levels();
        Stretches();
        plan_.depthCount = uint32_t(used_.count());
    }

private:
    size_t EndOf(const PlannedChain& chain) const
    {
        return chain.end == Placement::kOpen ? size_t(plan_.frameCount) : size_t(chain.end);
    }

    uint32_t PartOf(uint32_t chain) const { return plan_.segments[plan_.chains[chain].firstSegment].part; }

    // Each chain just above the chains of lower rank shown with it.
    void Levels()
    {
        Skyline skyline(size_t(plan_.frameCount));
        const auto& order = plan_.order;
        for (size_t r = 0; r < order.size();) {
            // A block: the chains of one part in one class, next to each other in rank.
            const uint32_t first = order[r];
            const int64_t key = DepthClassKey(plan_.chains[first].depthClass);
            size_t end = r;
            while (end < order.size() && PartOf(order[end]) == PartOf(first) &&
                   DepthClassKey(plan_.chains[order[end]].depthClass) == key)
                ++end;
            const uint32_t block = std::min(std::bit_ceil(uint32_t(end - r)), kLargestBlock);
            for (size_t i = r; i < end; ++i) {
                const PlannedChain& chain = plan_.chains[order[i]];
                uint32_t level = skyline.Highest(size_t(chain.start), EndOf(chain)) + 1;
                if (i == r && block > 1) level = (level - 1 + block - 1) / block * block + 1;
                level_[order[i]] = level;
                skyline.Raise(size_t(chain.start), EndOf(chain), level);
            }
            r = end;
        }
    }

    // Cuts the frames into stretches that each fit in the depths of a movie.
    void Stretches()
    {
        const size_t frames = size_t(plan_.frameCount);
        std::vector<uint32_t> startAt(frames + 1, 0);
        for (const PlannedChain& chain : plan_.chains) ++startAt[size_t(chain.start) + 1];
        for (size_t f = 1; f <= frames; ++f) startAt[f] += startAt[f - 1];
        std::vector<uint32_t> starting(count_);
        std::vector<uint32_t> fill(startAt.begin(), startAt.end() - 1);
        for (uint32_t c = 0; c < count_; ++c) starting[fill[size_t(plan_.chains[c].start)]++] = c;

        std::vector<uint32_t> stretch;  // the chains of the stretch being gathered
        std::unordered_set<uint32_t> levels;
        uint32_t highest = 0;
        size_t from = 0;
        for (size_t f = 0; f < frames; ++f) {
            // Would the chains beginning at f still fit?
            std::unordered_set<uint32_t> added;
            uint32_t high = highest;
            for (uint32_t i = startAt[f]; i < startAt[f + 1]; ++i) {
                const uint32_t level = level_[starting[i]];
                if (!levels.count(level)) added.insert(level);
                high = std::max(high, level);
            }
            const bool tooMany = levels.size() + added.size() > kTop;
            const bool leavesLevels = highest <= kTop && high > kTop;  // the levels were the depths until now
            if (f > from && (tooMany || leavesLevels)) {
                Number(stretch, levels, highest, int32_t(from));
                // The next stretch begins with the chains shown across its start.
                std::vector<uint32_t> across;
                for (uint32_t c : stretch)
                    if (EndOf(plan_.chains[c]) > f) across.push_back(c);
                stretch = std::move(across);
                levels.clear();
                highest = 0;
                for (uint32_t c : stretch) {
                    levels.insert(level_[c]);
                    highest = std::max(highest, level_[c]);
                }
                from = f;
                --f;  // take frame f again, in the new stretch
                continue;
            }
            for (uint32_t i = startAt[f]; i < startAt[f + 1]; ++i) stretch.push_back(starting[i]);
            levels.insert(added.begin(), added.end());
            highest = high;
            if (levels.size() > kTop) {
                throw SwfError("The movie shows more than 65535 objects at once in frame " + std::to_string(f + 1) +
                               "; an SWF movie holds at most 65535");
            }
        }
        Number(stretch, levels, highest, int32_t(from));
    }

    // Depths for the chains of a stretch beginning at `from`: their levels
    // when these fit, else the levels numbered from 1 in order.
    void Number(const std::vector<uint32_t>& chains, const std::unordered_set<uint32_t>& levels, uint32_t highest,
                int32_t from)
    {
        std::vector<uint32_t> sorted;
        if (highest > kTop) {
            sorted.assign(levels.begin(), levels.end());
            std::sort(sorted.begin(), sorted.end());
        }
        for (uint32_t c : chains) {
            const uint32_t depth = highest <= kTop ? level_[c]
                                                   : uint32_t(std::lower_bound(sorted.begin(), sorted.end(), level_[c]) -
                                                              sorted.begin()) + 1;
            PlannedChain& chain = plan_.chains[c];
            if (chain.start >= from) {
                chain.depth = uint16_t(depth);
            } else if (Current(c) != depth) {
                Move(c, from, depth);
            }
            used_.set(depth);
        }
    }

    uint32_t Current(uint32_t chain) const
    {
        return lastMove_[chain] == kNone ? plan_.chains[chain].depth : plan_.moves[lastMove_[chain]].to;
    }

    void Move(uint32_t chain, int32_t frame, uint32_t depth)
    {
        const uint32_t index = uint32_t(plan_.moves.size());
        plan_.moves.push_back({chain, frame, uint16_t(Current(chain)), uint16_t(depth)});
        plan_.nextMove.push_back(kNone);
        if (lastMove_[chain] == kNone)
            plan_.chains[chain].firstMove = index;
        else
            plan_.nextMove[lastMove_[chain]] = index;
        lastMove_[chain] = index;
    }

    ChainPlan& plan_;
    const uint32_t count_;
    std::vector<uint32_t> level_;
    std::vector<uint32_t> lastMove_;
    std::bitset<kTop + 1> used_;
};

}  // namespace

void AssignDepths(ChainPlan& plan) { DepthAssigner(plan).Run(); }

}  // namespace glimmora::swf
