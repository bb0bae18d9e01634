#pragma once
// Runs a movie's timelines as a player does, one frame period at a time.
//
// Each step, every playing timeline moves on one frame, the newest sprite
// instance first and the main timeline last: it applies the display-list
// operations of its next frame (a sprite placed there shows its own first
// frame at once), or goes back to its first frame after its last. Then the
// frame scripts queued by those frames run, in the order queued; they may
// stop, start or move any timeline. A goto keeps the objects that stand both
// before and after it (see GotoPlan).
//
// Two modes: Play is the movie as it plays. Replay makes the state that
// stands for a frame of the main timeline when seeking to it: the main
// timeline moves on one frame each step whatever its scripts say (they run,
// but cannot stop or move it), and every sprite plays as it would.

#include "player/timeline/Stage.h"
#include "swf/reader/DecodedMovie.h"

#include <cstddef>
#include <memory>

namespace glimmora::player {

enum class RunMode { Play, Replay };

struct RunLimits {
    int maxNesting = 32;          // sprites deeper than this get no timeline (a sprite placing itself)
    size_t maxTimelines = 4096;   // sprite instances on the stage at once
    size_t maxWorkPerStep = 4u << 20;  // operations and frames in one step
    size_t maxActionsPerStep = 200000;  // script actions in one step: ends endless loops
};

class TimelineRunner {
public:
    explicit TimelineRunner(std::shared_ptr<const swf::DecodedMovie> movie, RunLimits limits = {});

    // A movie just started: the main timeline on its first frame, its
    // scripts run. Empty for a movie without frames.
    Stage Start(RunMode mode) const;
    // One frame period. In Play, a main timeline at its end goes back to its
    // first frame when `loop`, else stops there. Returns the work done
    // (operations applied, frames entered, actions run).
    size_t Tick(Stage& stage, RunMode mode, bool loop = true) const;
    // Sends the main timeline to `frame` (clamped), as a script's goto does,
    // and runs the scripts this queues.
    void GotoMain(Stage& stage, int frame) const;

    // The quality the embedding draws at, which scripts read until one
    // chooses another; stages started from now on carry it.
    void SetEmbeddingQuality(StageQuality quality) { embeddingQuality_ = quality; }
    StageQuality EmbeddingQuality() const { return embeddingQuality_; }

    const swf::DecodedMovie& Movie() const { return *movie_; }
    const std::shared_ptr<const swf::DecodedMovie>& MoviePtr() const { return movie_; }

private:
    std::shared_ptr<const swf::DecodedMovie> movie_;
    RunLimits limits_;
    StageQuality embeddingQuality_ = StageQuality::High;
};

}  // namespace glimmora::player
