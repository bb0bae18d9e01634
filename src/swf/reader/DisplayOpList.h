#pragma once
// Display-list operations (PlaceObject 1/2/3, RemoveObject 1/2) and the list
// that holds one frame's operations. A long movie has millions of them, most
// moving one object: the list keeps each operation packed into the few bytes
// its fields need (a move with a plain matrix takes 12), and hands them out
// unpacked, in order. An operation with fields beyond the common ones (a
// name, filters, a blend mode) is kept whole beside the packed bytes.
//
// A list may instead stand for a stretch of a movie's own tags (OfTags): then
// nothing is packed, and each operation is read from its tag as the list is
// gone through. A movie just written this way shows without first reading
// every operation it holds.

#include "swf/format/Filters.h"
#include "swf/format/Records.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace glimmora::swf {

struct DisplayOp {
    enum class Kind : uint8_t { Place, Modify, Replace, Remove };
    Kind kind = Kind::Place;
    uint16_t depth = 0;
    std::optional<uint16_t> characterId;
    std::optional<Matrix> matrix;
    std::optional<ColorTransform> colorTransform;
    std::optional<uint16_t> ratio;
    std::optional<std::string> name;
    std::optional<uint16_t> clipDepth;
    // PlaceObject3's drawing fields.
    std::optional<FilterList> filters;
    std::optional<BlendMode> blendMode;
    std::optional<bool> cacheAsBitmap;
    std::optional<bool> visible;
    std::optional<Rgba> opaqueBackground;  // filled under a cached object
    friend bool operator==(const DisplayOp&, const DisplayOp&) = default;
};

// The uncompressed tags of a movie, kept for the lists that read from them.
struct TagSource {
    std::shared_ptr<const std::vector<uint8_t>> owner;  // holds `data`
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t fileOffset = 0;  // of data[0], for messages
    uint8_t swfVersion = 0;
};

class DisplayOpList {
public:
    DisplayOpList() = default;
    // The `count` operations that the tags in bytes [begin, end) of `source`
    // make (as MakesDisplayOp counts them; other tags there are passed over).
    // A tag that turns out damaged ends the list where it stands.
    static DisplayOpList OfTags(std::shared_ptr<const TagSource> source, size_t begin, size_t end, size_t count);

    // Only for a list that is not OfTags.
    void push_back(const DisplayOp& op);
    size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // Whether going through the list reads its operations from their tags
    // (about as costly as applying them), rather than unpacking them.
    bool ReadsTags() const { return tags_ != nullptr; }
    // Bytes held, for measuring (a list OfTags shares its movie's).
    size_t PackedBytes() const { return bytes_.capacity() + whole_.capacity() * sizeof(DisplayOp); }
    void shrink_to_fit();

    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = DisplayOp;
        using difference_type = std::ptrdiff_t;
        using pointer = const DisplayOp*;
        using reference = const DisplayOp&;

        const DisplayOp& operator*() const { return current_; }
        const DisplayOp* operator->() const { return &current_; }
        const_iterator& operator++();
        bool operator==(const const_iterator& other) const { return index_ == other.index_; }

    private:
        friend class DisplayOpList;
        const_iterator(const DisplayOpList* list, size_t index);
        void Unpack();
        void ReadTag();

        const DisplayOpList* list_ = nullptr;
        size_t index_ = 0;
        size_t offset_ = 0;  // of the next packed operation
        DisplayOp current_;
    };

    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, count_); }
    // The operation at `index`, found by unpacking those before it: for
    // checks and tools, not for playback.
    DisplayOp operator[](size_t index) const;

private:
    std::vector<uint8_t> bytes_;
    std::vector<DisplayOp> whole_;  // operations with uncommon fields
    size_t count_ = 0;
    std::shared_ptr<const TagSource> tags_;  // set for a list OfTags
    size_t tagsBegin_ = 0, tagsEnd_ = 0;
};

}  // namespace glimmora::swf
