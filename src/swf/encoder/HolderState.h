#pragma once
// What a holder carries between calls: its content, depth class, transform,
// fill, its glyphs when it serves as a font, and its latest placement. Kept
// apart from the holder so that a recorded part can say what it read and
// restore what it wrote.

#include "swf/encoder/Content.h"
#include "swf/encoder/PlacedMatrix.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

namespace glimmora::swf {

// A placement of a timeline: its part and its index in that part. A reference
// of another epoch (an earlier movie) refers to nothing.
struct PlacementRef {
    uint64_t epoch = 0;
    uint32_t part = 0;
    uint32_t index = 0;
};

// The fields of a holder's state, as bits, for what a part reads and writes.
enum HolderField : uint8_t {
    kHolderContent = 1 << 0,
    kHolderDepth = 1 << 1,
    kHolderScale = 1 << 2,
    kHolderAngle = 1 << 3,
    kHolderPosition = 1 << 4,
    kHolderFill = 1 << 5,
    kHolderFont = 1 << 6,  // the font family and the glyph of each code
};

// What AddObject takes from a holder.
inline constexpr uint8_t kHolderPlaced =
    kHolderContent | kHolderDepth | kHolderScale | kHolderAngle | kHolderPosition | kHolderFill;

struct HolderState {
    std::shared_ptr<const Content> content;
    int depthClass = 0;
    HolderTransform transform;
    Rgba fill{0, 0, 0, 255};
    std::string fontFamily;
    std::unordered_map<int, std::shared_ptr<const CachedGlyph>> glyphs;
    PlacementRef latest;

    // Whether the `fields` of both are the same.
    bool Same(const HolderState& other, uint8_t fields) const;
    // Copies the `fields` of `from`.
    void Take(const HolderState& from, uint8_t fields);
};

}  // namespace glimmora::swf
