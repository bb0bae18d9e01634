#include "support/DrawingOrder.h"

#include "swf/encoder/PartLayout.h"

#include <algorithm>
#include <map>
#include <utility>
#include <variant>
#include <vector>

namespace glimmora::test {
namespace {

struct Expected {
    int32_t start = 0;
    int32_t end = 0;
    std::pair<int64_t, uint32_t> rank;  // depth class, then call order
    swf::ShownState state;
};

// Class 1 lowest, then holders without a class, then class 2 and higher.
int64_t ClassRank(int32_t depthClass) { return depthClass == 0 ? 3 : int64_t(depthClass) * 2; }

// The visible placements of the timeline, with the ends later calls gave them.
std::vector<Expected> VisiblePlacements(const swf::Timeline& timeline)
{
    std::vector<Expected> visible;
    const auto& flat = timeline.Placements();
    const auto& parts = timeline.Parts();
    for (uint32_t p = 0; p < parts.size(); ++p) {
        const swf::TimelinePart& part = *parts[p];
        const uint32_t first = timeline.FirstPlacementOf(p);
        for (uint32_t i = 0; i < part.placements.size(); ++i) {
            const swf::Placement& placement = flat[first + i];
            if (placement.content == swf::Placement::kNoContent || placement.Empty()) continue;
            if (!part.contents[placement.content]->Visible()) continue;
            const int32_t end = placement.end == swf::Placement::kOpen ? timeline.FrameCount() : placement.end;
            visible.push_back({placement.start, end, {ClassRank(placement.depthClass), first + i},
                               swf::StateOf(part, i)});
        }
    }
    return visible;
}

// What a frame draws, bottom to top: the display list with each sprite
// replaced by its children. The writer places its sprites of settled objects
// with the identity transform and gives them one frame; anything else is not
// one of them, and stays a single object.
class Drawn {
public:
    explicit Drawn(const swf::DecodedMovie& movie) : movie_(movie) {}

    // (depth in the movie, item) pairs.
    std::vector<std::pair<uint16_t, const swf::DisplayItem*>> Of(const swf::DisplayList& list)
    {
        std::vector<std::pair<uint16_t, const swf::DisplayItem*>> drawn;
        for (const auto& [depth, item] : list) {
            const swf::DisplayList* children = StillSprite(item);
            if (!children) {
                drawn.emplace_back(depth, &item);
                continue;
            }
            for (const auto& [childDepth, child] : *children) drawn.emplace_back(depth, &child);
        }
        return drawn;
    }

private:
    const swf::DisplayList* StillSprite(const swf::DisplayItem& item)
    {
        if (!(item.matrix == swf::Matrix{}) || !(item.colorTransform == swf::ColorTransform{})) return nullptr;
        auto found = movie_.dictionary.find(item.characterId);
        if (found == movie_.dictionary.end()) return nullptr;
        const auto* sprite = std::get_if<swf::Sprite>(found->second.get());
        if (!sprite || sprite->frames.size() != 1) return nullptr;
        auto [list, added] = sprites_.try_emplace(item.characterId);
        if (added)
            for (const swf::DisplayOp& op : sprite->frames[0].ops) swf::ApplyDisplayOp(list->second, op, 0);
        return &list->second;
    }

    const swf::DecodedMovie& movie_;
    std::map<uint16_t, swf::DisplayList> sprites_;
};

}  // namespace

::testing::AssertionResult DrawsAsPlaced(const swf::Timeline& timeline, const swf::DecodedMovie& movie)
{
    if (movie.FrameCount() != timeline.FrameCount())
        return ::testing::AssertionFailure() << movie.FrameCount() << " frames instead of " << timeline.FrameCount();
    const std::vector<Expected> visible = VisiblePlacements(timeline);
    std::vector<std::vector<uint32_t>> starting(size_t(timeline.FrameCount())), ending(size_t(timeline.FrameCount()) + 1);
    for (uint32_t v = 0; v < visible.size(); ++v) {
        starting[size_t(visible[v].start)].push_back(v);
        ending[size_t(visible[v].end)].push_back(v);
    }

    std::map<std::pair<int64_t, uint32_t>, uint32_t> expected;  // bottom to top
    swf::DisplayList list;
    Drawn drawn(movie);
    for (int frame = 0; frame < movie.FrameCount(); ++frame) {
        for (uint32_t v : ending[size_t(frame)]) expected.erase(visible[v].rank);
        for (uint32_t v : starting[size_t(frame)]) expected.emplace(visible[v].rank, v);
        for (const swf::DisplayOp& op : movie.frames[size_t(frame)].ops) swf::ApplyDisplayOp(list, op, frame);
        const auto shown = drawn.Of(list);

        if (shown.size() != expected.size())
            return ::testing::AssertionFailure() << "frame " << frame << " shows " << shown.size() << " objects instead of "
                                                 << expected.size();
        auto item = shown.begin();
        size_t position = 0;
        for (const auto& [rank, v] : expected) {
            const swf::ShownState& state = visible[v].state;
            if (!(item->second->matrix == state.matrix) || !(item->second->colorTransform == state.colorTransform)) {
                return ::testing::AssertionFailure()
                       << "frame " << frame << ": the object at depth " << item->first << " (" << position
                       << " from the bottom) is not the placement " << rank.second << " of class rank "
                       << rank.first << " that belongs there";
            }
            ++item;
            ++position;
        }
    }
    return ::testing::AssertionSuccess();
}

size_t MostShownAtOnce(const swf::DecodedMovie& movie)
{
    size_t most = 0;
    swf::DisplayList list;
    for (int frame = 0; frame < movie.FrameCount(); ++frame) {
        for (const swf::DisplayOp& op : movie.frames[size_t(frame)].ops) swf::ApplyDisplayOp(list, op, frame);
        most = std::max(most, list.size());
    }
    return most;
}

}  // namespace glimmora::test
