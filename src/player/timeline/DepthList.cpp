#include "player/timeline/DepthList.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace glimmora::player {
namespace {

constexpr unsigned kChunkShift = 6;  // 64 depths per chunk

uint16_t KeyOf(uint16_t depth) { return uint16_t(depth >> kChunkShift); }

template <typename Entries>
auto EntryAt(Entries& entries, uint16_t depth)
{
    return std::lower_bound(entries.begin(), entries.end(), depth,
                            [](const DepthList::Entry& e, uint16_t d) { return e.depth < d; });
}

}  // namespace

size_t DepthList::ChunkFor(uint16_t key) const
{
    return size_t(std::lower_bound(chunks_.begin(), chunks_.end(), key,
                                   [](const Chunk& c, uint16_t k) { return c.key < k; }) -
                  chunks_.begin());
}

std::vector<DepthList::Entry>& DepthList::Own(size_t index)
{
    std::shared_ptr<std::vector<Entry>>& entries = chunks_[index].entries;
    if (entries.use_count() > 1) entries = std::make_shared<std::vector<Entry>>(*entries);
    return *entries;
}

const DisplayObject* DepthList::Find(uint16_t depth) const
{
    const size_t index = ChunkFor(KeyOf(depth));
    if (index == chunks_.size() || chunks_[index].key != KeyOf(depth)) return nullptr;
    const std::vector<Entry>& entries = *chunks_[index].entries;
    auto it = EntryAt(entries, depth);
    return it != entries.end() && it->depth == depth ? &it->object : nullptr;
}

const DisplayObject& DepthList::at(uint16_t depth) const
{
    const DisplayObject* object = Find(depth);
    if (!object) throw std::out_of_range("no object at depth " + std::to_string(depth));
    return *object;
}

DisplayObject* DepthList::FindMutable(uint16_t depth)
{
    if (!Find(depth)) return nullptr;
    std::vector<Entry>& entries = Own(ChunkFor(KeyOf(depth)));
    return &EntryAt(entries, depth)->object;
}

DisplayObject& DepthList::Insert(uint16_t depth, DisplayObject object)
{
    const uint16_t key = KeyOf(depth);
    size_t index = ChunkFor(key);
    if (index == chunks_.size() || chunks_[index].key != key) {
        chunks_.insert(chunks_.begin() + long(index), Chunk{key, std::make_shared<std::vector<Entry>>()});
    }
    std::vector<Entry>& entries = Own(index);
    auto it = EntryAt(entries, depth);
    if (it != entries.end() && it->depth == depth) {
        it->object = std::move(object);
        return it->object;
    }
    ++size_;
    return entries.insert(it, Entry{depth, std::move(object)})->object;
}

bool DepthList::Erase(uint16_t depth)
{
    if (!Find(depth)) return false;
    const size_t index = ChunkFor(KeyOf(depth));
    if (chunks_[index].entries->size() == 1) {
        chunks_.erase(chunks_.begin() + long(index));
    } else {
        std::vector<Entry>& entries = Own(index);
        entries.erase(EntryAt(entries, depth));
    }
    --size_;
    return true;
}

size_t DepthList::UnsharedChunks() const
{
    return size_t(std::count_if(chunks_.begin(), chunks_.end(),
                                [](const Chunk& c) { return c.entries.use_count() == 1; }));
}

}  // namespace glimmora::player
