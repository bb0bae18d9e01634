#pragma once
// A timeline's display list: its objects by depth, drawn in ascending order.
// Copies share their objects until one of them changes: the list is cut into
// chunks of 64 depths, a copy costs one pointer per chunk, and a change copies
// only the chunk it falls into when another list still shares it. So the
// snapshots that seeking keeps cost little more than what changed between them.

#include "player/timeline/DisplayObject.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <vector>

namespace glimmora::player {

class DepthList {
public:
    struct Entry {
        uint16_t depth = 0;
        DisplayObject object;
    };

private:
    // One chunk of 64 depths: key = depth / 64; entries in ascending depth.
    struct Chunk {
        uint16_t key = 0;
        std::shared_ptr<std::vector<Entry>> entries;
    };

public:
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // The object at `depth`, or null.
    const DisplayObject* Find(uint16_t depth) const;
    // As Find; throws std::out_of_range for an empty depth.
    const DisplayObject& at(uint16_t depth) const;
    // The object at `depth` to change (its chunk unshared first), or null.
    DisplayObject* FindMutable(uint16_t depth);
    // Puts `object` at `depth`, replacing what was there.
    DisplayObject& Insert(uint16_t depth, DisplayObject object);
    // Removes the object at `depth`; false when there was none.
    bool Erase(uint16_t depth);

    // The depths whose objects match `test`, in ascending order.
    template <typename Test>
    std::vector<uint16_t> DepthsWhere(Test test) const
    {
        std::vector<uint16_t> depths;
        for (const Entry& entry : *this) {
            if (test(entry.object)) depths.push_back(entry.depth);
        }
        return depths;
    }

    // Chunks in all, and those no other list shares (for measuring).
    size_t ChunkCount() const { return chunks_.size(); }
    size_t UnsharedChunks() const;
    // Calls `visit(identity, entries)` for each chunk; lists sharing a chunk
    // give it the same identity.
    template <typename Visit>
    void ForEachChunk(Visit visit) const
    {
        for (const Chunk& chunk : chunks_) visit(static_cast<const void*>(chunk.entries.get()), chunk.entries->size());
    }

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;
        using pointer = const Entry*;
        using reference = const Entry&;

        const_iterator() = default;
        const Entry& operator*() const { return (*(*chunks_)[chunk_].entries)[entry_]; }
        const Entry* operator->() const { return &**this; }
        const_iterator& operator++()
        {
            if (++entry_ == (*chunks_)[chunk_].entries->size()) {
                ++chunk_;
                entry_ = 0;
            }
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const
        {
            return chunk_ == other.chunk_ && entry_ == other.entry_;
        }

    private:
        friend class DepthList;
        const_iterator(const std::vector<Chunk>* chunks, size_t chunk) : chunks_(chunks), chunk_(chunk) {}

        const std::vector<Chunk>* chunks_ = nullptr;
        size_t chunk_ = 0;
        size_t entry_ = 0;
    };

    const_iterator begin() const { return const_iterator(&chunks_, 0); }
    const_iterator end() const { return const_iterator(&chunks_, chunks_.size()); }

private:
    // The entries of chunk `index`, copied first if another list shares them.
    std::vector<Entry>& Own(size_t index);
    // The first chunk whose key is not below `key`.
    size_t ChunkFor(uint16_t key) const;

    std::vector<Chunk> chunks_;  // ascending keys, none empty
    size_t size_ = 0;
};

}  // namespace glimmora::player
