#pragma once
// What a running movie shows: the main timeline and the timeline of every
// sprite instance on it, each with its own play head and display list. A
// display object of a sprite names its timeline by id; ids count up in the
// order the instances were made, which is also the order in which they act
// (the newest first, the main timeline last).
//
// A stage is a value: copies share their timelines (and the timelines their
// display lists) until one copy changes them, so the snapshots that seeking
// keeps are cheap and a playing copy never disturbs them.

#include "player/timeline/ActionValue.h"
#include "player/timeline/DepthList.h"
#include "player/timeline/StageQuality.h"
#include "swf/reader/DecodedMovie.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace glimmora::player {

struct Timeline {
    uint32_t id = 0;
    uint32_t parent = 0;       // the timeline whose display list holds this one (the root: itself)
    uint16_t characterId = 0;  // the sprite; 0 for the main timeline
    uint16_t depth = 0;        // in the parent's display list
    int level = 0;             // 0 for the main timeline, 1 for its sprites, ...
    const std::vector<swf::FrameRecord>* frames = nullptr;
    int frame = -1;            // the frame shown, from 0; -1 before the first
    bool playing = true;
    DepthList children;
    // The script variables of this timeline (names in lower case before SWF 7).
    std::map<std::string, ActionValue> variables;

    int FrameCount() const { return frames ? int(frames->size()) : 0; }
};

class Stage {
public:
    static constexpr uint32_t kRoot = 0;

    // A stage whose main timeline is `frames` (not yet on any frame).
    explicit Stage(const std::vector<swf::FrameRecord>* frames = nullptr);

    const Timeline& Root() const { return *timelines_.front().second; }
    const Timeline* Find(uint32_t id) const;
    // The timeline to change, copied first when another stage shares it.
    // Null for an id no longer on the stage.
    Timeline* Mutable(uint32_t id);
    // Adds a timeline with the next id and returns it.
    Timeline& Add(Timeline timeline);
    // Removes the timeline and the timelines of every sprite inside it.
    void Remove(uint32_t id);

    size_t TimelineCount() const { return timelines_.size(); }
    // The ids of every timeline, newest first (the main timeline last).
    std::vector<uint32_t> IdsNewestFirst() const;

    // Whether any timeline on the stage is playing.
    bool AnyPlaying() const;
    template <typename Visit>
    void ForEachTimeline(Visit visit) const
    {
        for (const auto& entry : timelines_) visit(static_cast<const Timeline&>(*entry.second));
    }

    // What the step that made this stage did: the event sounds of the frames
    // it entered, in the order they start (the main timeline's first);
    // whether the main timeline entered a frame; whether a script asked the
    // main timeline to stop (in a replay, where it moves on regardless).
    std::vector<swf::SoundStart> sounds;
    bool mainEntered = false;
    bool mainStopAsked = false;

    // Steps taken since the start (the scripts' clock), and the state of the
    // scripts' random numbers: a replay gives the same numbers again.
    uint64_t steps = 0;
    uint32_t randomState = 0x2545F491u;
    // The quality a script chose (_quality, _highquality, ToggleQuality);
    // until one does, the embedding's (what the player was asked to draw at).
    std::optional<StageQuality> quality;
    StageQuality embeddingQuality = StageQuality::High;
    StageQuality Quality() const { return quality.value_or(embeddingQuality); }

    // Timelines held by this stage alone (for measuring sharing).
    size_t UnsharedTimelines() const;

private:
    std::vector<std::pair<uint32_t, std::shared_ptr<Timeline>>> timelines_;  // ascending ids
    uint32_t nextId_ = kRoot + 1;
};

}  // namespace glimmora::player
