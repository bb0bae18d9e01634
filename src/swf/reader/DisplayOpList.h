#pragma once
// Display-list operations (PlaceObject 1/2/3, RemoveObject 1/2) and the list
// that holds one frame's operations. A long movie has millions of them, most
// moving one object: the list keeps each operation packed into the few bytes
// its fields need (a move with a plain matrix takes 12), and hands them out
// unpacked, in order. An operation with fields beyond the common ones (a
// name, filters, a blend mode) is kept whole beside the packed bytes.

#include "swf/format/Filters.h"
#include "swf/format/Records.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
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

class DisplayOpList {
public:
    void push_back(const DisplayOp& op);
    size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // Bytes held, for measuring.
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
};

}  // namespace glimmora::swf
