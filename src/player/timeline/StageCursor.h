#pragma once
// The stage at any frame of the main timeline, reached quickly in either
// direction. The stage of frame N is the one a replay from the start makes
// when the main timeline moves on one frame per step (TimelineRunner's
// Replay): sprites play by their own play heads and scripts, so the same
// frame always looks the same however it was reached.
//
// Snapshots of the stage are kept along the way, spaced by the work replayed
// since the previous one, so that a seek replays at most that much from the
// nearest snapshot at or before its target (or steps on from the current
// frame when that is nearer). Snapshots share everything that did not change
// between them. They are taken the first time the cursor passes a frame, so
// a fresh cursor costs nothing; Index() takes them all at once.

#include "player/timeline/Stage.h"
#include "player/timeline/TimelineRunner.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace glimmora::player {

class StageCursor {
public:
    // About a millisecond of replay between snapshots.
    static constexpr size_t kDefaultWorkPerSnapshot = 16384;

    explicit StageCursor(std::shared_ptr<const swf::DecodedMovie> movie,
                         size_t workPerSnapshot = kDefaultWorkPerSnapshot);

    // The stage at `frame` (from 0; clamped to the movie's frames).
    const Stage& Seek(int frame);
    // Replays the whole movie once, taking every snapshot.
    void Index();

    int Frame() const { return frame_; }
    size_t SnapshotCount() const { return snapshots_.size(); }
    // The memory the snapshots and the current stage hold together, counting
    // what they share once: objects, chunk and timeline records (an estimate).
    size_t HeldBytes() const;
    const TimelineRunner& Runner() const { return runner_; }

private:
    struct Snapshot {
        int frame = 0;
        Stage stage;
    };

    void StepForward();

    TimelineRunner runner_;
    size_t workPerSnapshot_;
    std::vector<Snapshot> snapshots_;  // ascending frames, the first at frame 0
    Stage current_;
    int frame_ = -1;     // the frame current_ shows; -1: none yet
    int explored_ = -1;  // the last frame whose snapshot rule has run
    size_t sinceSnapshot_ = 0;
};

}  // namespace glimmora::player
