#include "player/timeline/Stage.h"

#include <algorithm>

namespace glimmora::player {
namespace {

template <typename Timelines>
auto Position(Timelines& timelines, uint32_t id)
{
    return std::lower_bound(timelines.begin(), timelines.end(), id,
                            [](const auto& entry, uint32_t key) { return entry.first < key; });
}

}  // namespace

Stage::Stage(const std::vector<swf::FrameRecord>* frames)
{
    Timeline root;
    root.id = kRoot;
    root.parent = kRoot;
    root.frames = frames;
    timelines_.emplace_back(kRoot, std::make_shared<Timeline>(std::move(root)));
}

const Timeline* Stage::Find(uint32_t id) const
{
    auto it = Position(timelines_, id);
    return it != timelines_.end() && it->first == id ? it->second.get() : nullptr;
}

Timeline* Stage::Mutable(uint32_t id)
{
    auto it = Position(timelines_, id);
    if (it == timelines_.end() || it->first != id) return nullptr;
    if (it->second.use_count() > 1) it->second = std::make_shared<Timeline>(*it->second);
    return it->second.get();
}

Timeline& Stage::Add(Timeline timeline)
{
    timeline.id = nextId_++;
    timelines_.emplace_back(timeline.id, std::make_shared<Timeline>(std::move(timeline)));
    return *timelines_.back().second;
}

void Stage::Remove(uint32_t id)
{
    if (id == kRoot) return;
    std::vector<uint32_t> doomed{id};
    for (size_t i = 0; i < doomed.size(); ++i) {
        if (const Timeline* timeline = Find(doomed[i])) {
            for (const DepthList::Entry& entry : timeline->children) {
                if (entry.object.timeline != 0) doomed.push_back(entry.object.timeline);
            }
        }
    }
    std::sort(doomed.begin(), doomed.end());
    timelines_.erase(std::remove_if(timelines_.begin(), timelines_.end(),
                                    [&](const auto& entry) {
                                        return std::binary_search(doomed.begin(), doomed.end(), entry.first);
                                    }),
                     timelines_.end());
}

std::vector<uint32_t> Stage::IdsNewestFirst() const
{
    std::vector<uint32_t> ids;
    ids.reserve(timelines_.size());
    for (auto it = timelines_.rbegin(); it != timelines_.rend(); ++it) ids.push_back(it->first);
    return ids;
}

bool Stage::AnyPlaying() const
{
    return std::any_of(timelines_.begin(), timelines_.end(),
                       [](const auto& entry) { return entry.second->playing; });
}

size_t Stage::UnsharedTimelines() const
{
    return size_t(std::count_if(timelines_.begin(), timelines_.end(),
                                [](const auto& entry) { return entry.second.use_count() == 1; }));
}

}  // namespace glimmora::player
