#include "swf/encoder/SettledFold.h"

#include <utility>

namespace glimmora::swf {
namespace {

class Folder {
public:
    Folder(ChainPlan& plan, uint32_t mostAtOnce)
        : plan_(plan), most_(mostAtOnce), budget_(2 * plan.chains.size() + kMostShownAtOnce)
    {
    }

    void Run()
    {
        const size_t frames = size_t(plan_.frameCount);
        std::vector<int64_t> change(frames + 1, 0);
        for (const PlannedChain& chain : plan_.chains) {
            ++change[size_t(chain.start)];
            if (chain.end != Placement::kOpen) --change[size_t(chain.end)];
        }
        // Folded chains were open and their sprites stay open: a fold shows
        // fewer objects in its frame and in every later one.
        int64_t shown = 0;
        for (size_t f = 0; f < frames; ++f) {
            shown += change[f];
            if (shown <= int64_t(most_)) continue;
            shown -= FoldAt(int32_t(f));
            // No movie can hold it (AssignDepths says so), or the frames keep
            // so many objects that still change that each would fold the same
            // sprites again: the file would grow without end.
            if (shown > int64_t(kMostShownAtOnce) || children_ > budget_) return;
        }
    }

private:
    // The placement that a chain shows last: (part, placement index).
    std::pair<uint32_t, uint32_t> LastOf(uint32_t chain) const
    {
        const ChainSegment& segment = plan_.segments[plan_.chains[chain].lastSegment];
        const PartLayout& layout = *plan_.layouts[segment.part];
        const PartChain& local = layout.chains[segment.chain];
        return {segment.part, layout.members[local.firstMember + local.memberCount - 1]};
    }

    const Content& LastContent(uint32_t chain) const
    {
        const auto [p, placement] = LastOf(chain);
        const TimelinePart& part = *plan_.parts[p];
        return *part.contents[part.placements[placement].content];
    }

    bool Settled(uint32_t chain, int32_t frame) const
    {
        if (plan_.chains[chain].end != Placement::kOpen) return false;
        const auto [part, placement] = LastOf(chain);
        return plan_.parts[part]->placements[placement].start < frame;
    }

    // The objects a chain adds to a sprite: a folded sprite's children.
    size_t Weight(uint32_t chain) const
    {
        const Content& content = LastContent(chain);
        return content.kind == ContentKind::Sprite ? content.children.size() : 1;
    }

    // Folds what is settled at `frame`; returns how many fewer objects show.
    int64_t FoldAt(int32_t frame)
    {
        std::vector<std::pair<size_t, uint32_t>> sprites;  // (rank to go above, sprite chain)
        std::vector<uint32_t> group;
        size_t children = 0;  // of the group's sprite
        size_t top = 0;
        int64_t fewer = 0;
        auto close = [&] {
            if (group.size() > 1) {
                sprites.emplace_back(top, MakeSprite(group, frame));
                fewer += int64_t(group.size()) - 1;
            }
            group.clear();
            children = 0;
        };
        const std::vector<uint32_t>& order = plan_.order;
        for (size_t r = 0; r < order.size(); ++r) {
            const uint32_t c = order[r];
            if (Settled(c, frame)) {
                // A sprite is a display list of its own: at most 65535 children.
                const size_t weight = Weight(c);
                if (!group.empty() && (plan_.chains[group.front()].depthClass != plan_.chains[c].depthClass ||
                                       children + weight > kMostShownAtOnce))
                    close();
                group.push_back(c);
                children += weight;
                top = r;
            } else if (plan_.chains[c].end > frame) {
                close();  // shown from `frame` on, between what would fold
            }
        }
        close();
        if (sprites.empty()) return 0;

        std::vector<uint32_t> ranked;
        ranked.reserve(order.size() + sprites.size());
        auto next = sprites.begin();
        for (size_t r = 0; r < order.size(); ++r) {
            ranked.push_back(order[r]);
            for (; next != sprites.end() && next->first == r; ++next) ranked.push_back(next->second);
        }
        plan_.order = std::move(ranked);
        return fewer;
    }

    // Ends the chains of `group` at `frame` and begins there a sprite of
    // their last states, bottom to top (a folded sprite's children in its
    // place, so that sprites never nest); returns the sprite's chain.
    uint32_t MakeSprite(const std::vector<uint32_t>& group, int32_t frame)
    {
        auto sprite = std::make_shared<Content>();
        sprite->kind = ContentKind::Sprite;
        for (uint32_t c : group) {
            const auto [p, placement] = LastOf(c);
            const TimelinePart& part = *plan_.parts[p];
            const ShownState state = StateOf(part, placement);
            const Content& content = *part.contents[state.content];
            if (content.kind == ContentKind::Sprite)  // placed with the identity transform
                sprite->children.insert(sprite->children.end(), content.children.begin(), content.children.end());
            else
                sprite->children.push_back({part.contents[state.content], state.matrix, state.colorTransform});
            plan_.chains[c].end = frame;
        }
        children_ += sprite->children.size();
        const int32_t depthClass = plan_.chains[group.front()].depthClass;

        auto part = std::make_shared<TimelinePart>();
        Placement placement;
        placement.content = 0;
        placement.holder = UINT32_MAX;
        placement.start = frame;
        placement.depthClass = depthClass;
        part->placements.push_back(placement);
        part->contents.push_back(std::move(sprite));
        part->lastUsed = frame;
        part->sealed = true;

        const uint32_t index = uint32_t(plan_.parts.size());
        plan_.parts.push_back(part.get());
        plan_.layouts.push_back(part->Layout());
        plan_.folded.push_back(std::move(part));
        const uint32_t segment = uint32_t(plan_.segments.size());
        plan_.segments.push_back({index, 0, UINT32_MAX});
        PlannedChain chain;
        chain.depthClass = depthClass;
        chain.start = frame;
        chain.firstSegment = chain.lastSegment = segment;
        plan_.chains.push_back(chain);
        return uint32_t(plan_.chains.size() - 1);
    }

    ChainPlan& plan_;
    const uint32_t most_;
    const size_t budget_;  // children of all sprites
    size_t children_ = 0;
};

}  // namespace

void FoldSettled(ChainPlan& plan, uint32_t mostAtOnce) { Folder(plan, mostAtOnce).Run(); }

}  // namespace glimmora::swf
