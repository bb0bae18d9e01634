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
// a fresh cursor costs nothing; Index() takes them all at once, and
// IndexInBackground() has a thread of its own take them while the movie is
// shown, so that soon after a load a seek anywhere replays little.
//
// The background replay and the cursor share no stage that either changes:
// a snapshot handed over holds its timelines and chunks, so both sides copy
// them before a change (their counts are never one while the other can reach them).

#include "player/timeline/Stage.h"
#include "player/timeline/TimelineRunner.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace glimmora::player {

class StageCursor {
public:
    // About a millisecond of replay between snapshots.
    static constexpr size_t kDefaultWorkPerSnapshot = 16384;

    explicit StageCursor(std::shared_ptr<const swf::DecodedMovie> movie,
                         size_t workPerSnapshot = kDefaultWorkPerSnapshot);
    ~StageCursor();
    StageCursor(const StageCursor&) = delete;
    StageCursor& operator=(const StageCursor&) = delete;

    // The stage at `frame` (from 0; clamped to the movie's frames).
    const Stage& Seek(int frame);
    // Replays the whole movie once, taking every snapshot.
    void Index();
    // Starts replaying the whole movie on a thread of its own; seeks use its
    // snapshots as they come. The cursor then takes none itself.
    void IndexInBackground();
    // Whether the background replay has reached the movie's end.
    bool BackgroundIndexDone() const { return backgroundDone_.load(); }

    int Frame() const { return frame_; }
    size_t SnapshotCount() const;
    // The memory the snapshots and the current stage hold together, counting
    // what they share once: objects, chunk and timeline records (an estimate).
    size_t HeldBytes() const;
    const TimelineRunner& Runner() const { return runner_; }
    // Scripts may read the embedding's quality: a change replays from the start.
    void SetEmbeddingQuality(StageQuality quality);

private:
    struct Snapshot {
        int frame = 0;
        Stage stage;
    };

    void StepForward();
    // The latest snapshot at or before `frame`, of the cursor's own or the
    // background's (copied out); null when there is none.
    std::unique_ptr<Snapshot> BaseFor(int frame) const;
    void IndexWork();

    TimelineRunner runner_;
    size_t workPerSnapshot_;
    std::vector<Snapshot> snapshots_;  // ascending frames, the first at frame 0
    Stage current_;
    int frame_ = -1;     // the frame current_ shows; -1: none yet
    int explored_ = -1;  // the last frame whose snapshot rule has run
    size_t sinceSnapshot_ = 0;

    // The background replay's snapshots, ascending; guarded by the mutex.
    mutable std::mutex backgroundMutex_;
    std::vector<Snapshot> background_;
    std::atomic<bool> stopBackground_{false}, backgroundDone_{false};
    std::thread worker_;
};

}  // namespace glimmora::player
