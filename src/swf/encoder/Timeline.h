#pragma once
// The movie's timeline as the service builds it: the current frame, and every
// placement in call order with the content, depth class, transform and fill
// its holder had at AddObject, from its start frame to its end frame (open
// until removed). Placements never displace one another.
//
// The placements come in parts (TimelinePart). Calls between BeginPart and
// EndPart make a part that keeps what it read from the holders and the
// current frame before setting them, so that Replay can put it into a later
// timeline with the very result its calls would have. Calls outside
// recordings go into parts of their own.

#include "swf/encoder/HolderState.h"
#include "swf/encoder/PartLayout.h"
#include "swf/encoder/TimelinePart.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace glimmora::swf {

class Timeline {
public:
    // The largest frame a movie can have (frame counts are 16-bit).
    static constexpr int32_t kLastFrame = 65534;

    // The state of the holder with an id; nullptr when there is none.
    using HolderLookup = std::function<HolderState*(uint32_t id)>;

    Timeline();

    // Forgets every placement and starts a new epoch.
    void Clear();
    uint64_t Epoch() const { return epoch_; }

    // Rounds to the nearest frame, halves to even; throws SwfError for a
    // frame that is not a number, negative, or beyond kLastFrame.
    void GotoFrame(double frame);
    int32_t CurrentFrame() const { return current_; }

    // A holder's fields are about to be read, or have been set.
    void Reading(uint32_t holder, const HolderState& state, uint8_t fields);
    void Writing(uint32_t holder, HolderState& state, uint8_t fields);
    // A picture or sound file was asked for.
    void UsedMedia(MediaUse use);
    bool Recording() const { return recording_; }

    // Records a placement of the holder at the current frame with `matrix`;
    // it becomes the holder's latest placement.
    void Add(uint32_t holder, HolderState& state, const Affine& matrix);
    // Ends the holder's latest placement at the current frame when it is one
    // of this timeline; an ended placement stays as it was.
    void Remove(uint32_t holder, HolderState& state);

    // Starts recording a part under `key`; EndPart returns it, sealed.
    void BeginPart(std::string key);
    std::shared_ptr<const TimelinePart> EndPart();
    // Whether `part`, put back now, would have the result of its calls: the
    // holders and the current frame are as it read them. Its files are the
    // caller's to check.
    bool CanReplay(const TimelinePart& part, const HolderLookup& holders) const;
    // Puts `part` back: its placements, the ends it made of earlier ones, and
    // the holders' state and current frame as its calls left them.
    void Replay(std::shared_ptr<const TimelinePart> part, const HolderLookup& holders);

    // The parts in order; the last may be open.
    const std::vector<std::shared_ptr<TimelinePart>>& Parts() const { return parts_; }
    // The placements of a part that later parts ended, by index.
    const EndOverrides& OverridesOf(uint32_t part) const;
    // Up to the highest frame any Add or Remove used; at least 1.
    int32_t FrameCount() const { return lastUsed_ + 1; }

    // Every placement in call order, with the end it has now (for inspection;
    // `content` indexes the contents of the placement's part).
    const std::vector<Placement>& Placements() const;
    // The index in Placements() of the first placement of `part`.
    uint32_t FirstPlacementOf(uint32_t part) const;

private:
    struct Tracked {
        HolderState* state = nullptr;
        uint8_t written = 0;
        uint8_t read = 0;
        bool endedEarlier = false;
    };

    TimelinePart& OpenPart();
    void SealOpenPart();
    void ReadFrame();
    int32_t EndOf(const PlacementRef& ref) const;

    std::vector<std::shared_ptr<TimelinePart>> parts_;
    bool open_ = false;  // the last part takes more placements
    bool recording_ = false;
    std::unordered_map<uint32_t, Tracked> tracked_;  // by holder, while recording
    std::unordered_map<const Content*, uint32_t> contentIndex_;  // of the open part
    const Content* lastContent_ = nullptr;
    uint32_t lastContentIndex_ = 0;
    std::map<uint32_t, EndOverrides> overrides_;
    int32_t current_ = 0;
    int32_t lastUsed_ = 0;
    uint64_t epoch_ = 0;
    mutable std::vector<Placement> flat_;
    mutable std::vector<uint32_t> flatStart_;
    mutable bool flatStale_ = true;
};

}  // namespace glimmora::swf
