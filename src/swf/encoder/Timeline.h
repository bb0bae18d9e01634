#pragma once
// The movie's timeline as the service builds it: the current frame, and every
// placement in call order with the content, depth class, transform and fill
// its holder had at AddObject, from its start frame to its end frame (open
// until removed). Placements never displace one another.

#include "swf/SwfService.h"
#include "swf/encoder/Content.h"
#include "swf/encoder/PlacedMatrix.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <unordered_map>
#include <vector>

namespace glimmora::swf {

struct Placement {
    static constexpr int32_t kOpen = std::numeric_limits<int32_t>::max();
    static constexpr uint32_t kNoContent = std::numeric_limits<uint32_t>::max();

    uint32_t content = kNoContent;  // index into Timeline::Contents()
    uint32_t holder = 0;
    int32_t start = 0;
    int32_t end = kOpen;
    int32_t depthClass = 0;
    Rgba fill;
    Affine matrix;

    // Shows in no frame: removed at or before the frame it was added.
    bool Empty() const { return end <= start; }
};

class Timeline {
public:
    // The largest frame a movie can have (frame counts are 16-bit).
    static constexpr int32_t kLastFrame = kLastMovieFrame;

    Timeline();

    // Forgets every placement and starts a new epoch.
    void Clear();
    uint64_t Epoch() const { return epoch_; }

    // Rounds to the nearest frame, halves to even; throws SwfError for a
    // frame that is not a number, negative, or beyond kLastFrame.
    void GotoFrame(double frame);
    int32_t CurrentFrame() const { return current_; }

    // Records a placement at the current frame and returns its index.
    uint32_t Add(const std::shared_ptr<const Content>& content, uint32_t holder,
                 int32_t depthClass, const Rgba& fill, const Affine& matrix);
    // Ends the placement at the current frame; an ended placement stays as it was.
    void Remove(uint32_t placement);

    const std::vector<Placement>& Placements() const { return placements_; }
    const std::vector<std::shared_ptr<const Content>>& Contents() const { return contents_; }
    // Up to the highest frame any Add or Remove used; at least 1.
    int32_t FrameCount() const { return lastUsed_ + 1; }

private:
    uint32_t ContentIndex(const std::shared_ptr<const Content>& content);

    std::vector<Placement> placements_;
    std::vector<std::shared_ptr<const Content>> contents_;
    std::unordered_map<const Content*, uint32_t> contentIndex_;
    const Content* lastContent_ = nullptr;
    uint32_t lastContentIndex_ = 0;
    int32_t current_ = 0;
    int32_t lastUsed_ = 0;
    uint64_t epoch_ = 0;
};

}  // namespace glimmora::swf
