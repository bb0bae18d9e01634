#pragma once
// One part of a timeline: the placements made by a run of calls (a document
// object's generation, say), with what the run took from outside itself and
// what it left behind. A part recorded under a key can be put back into a
// later timeline instead of making its calls again, with the same result,
// as long as what it took from outside is the same.

#include "swf/encoder/Content.h"
#include "swf/encoder/HolderState.h"
#include "swf/encoder/PlacedMatrix.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace glimmora::swf {

struct PartLayout;

struct Placement {
    static constexpr int32_t kOpen = std::numeric_limits<int32_t>::max();
    static constexpr uint32_t kNoContent = std::numeric_limits<uint32_t>::max();

    uint32_t content = kNoContent;  // index into the contents of its part
    uint32_t holder = 0;
    int32_t start = 0;
    int32_t end = kOpen;
    int32_t depthClass = 0;
    Rgba fill;
    Affine matrix;

    // Shows in no frame: removed at or before the frame it was added.
    bool Empty() const { return end <= start; }
};

// A holder's fields that a part read before it set them (with the values it
// found), or that it set (with the values it left).
struct HolderSnapshot {
    uint32_t holder = 0;
    uint8_t fields = 0;
    HolderState state;
    // Writes: the part's placement that the holder's latest became, if any.
    std::optional<uint32_t> latest;
};

// A picture or sound file the part asked for, and what it got: the checked
// contents, or nothing when the file could not be used.
struct MediaUse {
    enum class Kind : uint8_t { Picture, Sound };
    Kind kind = Kind::Picture;
    std::string path;
    std::shared_ptr<const void> result;
};

// A RemoveObject of a placement made before the part: whatever placement is
// the holder's latest where the part begins ends at `frame`.
struct EarlierEnd {
    uint32_t holder = 0;
    int32_t frame = 0;
};

struct TimelinePart {
    std::string key;  // empty: made outside any recording, never put back
    std::vector<Placement> placements;
    std::vector<std::shared_ptr<const Content>> contents;  // in the order placements first use them
    int32_t lastUsed = -1;                                 // highest frame of an Add or Remove
    std::vector<EarlierEnd> earlierEnds;
    std::vector<HolderSnapshot> reads;
    std::vector<HolderSnapshot> writes;
    std::vector<MediaUse> media;
    std::optional<int32_t> frameRead;     // the current frame at the start, when the part used it unset
    std::optional<int32_t> frameWritten;  // the current frame at the end, when the part set it
    bool sealed = false;                  // no more placements come

    // The chains and encoded events of the part as it stands (no placement
    // ended by a later part); computed once for a sealed part.
    std::shared_ptr<const PartLayout> Layout() const;

private:
    mutable std::shared_ptr<const PartLayout> layout_;
};

}  // namespace glimmora::swf
