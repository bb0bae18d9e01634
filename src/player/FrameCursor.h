#pragma once
// The main timeline's display list at any frame, reached quickly in either
// direction: snapshots of the list are kept every so many operations, and a
// seek replays only from the nearest snapshot at or before the target (or
// steps on from the current frame when that is nearer). Snapshots are taken
// the first time the cursor passes a frame, so a fresh cursor costs nothing
// and showing a new movie's first frame replays only that frame.

#include "swf/reader/DecodedMovie.h"

#include <memory>
#include <vector>

namespace glimmora::player {

class FrameCursor {
public:
    // A snapshot is taken after the frame where `opsPerSnapshot` operations
    // have run since the previous one (counting each frame once).
    explicit FrameCursor(std::shared_ptr<const swf::DecodedMovie> movie,
                         size_t opsPerSnapshot = 256);

    // The display list at `frame` (from 0; clamped to the movie's frames).
    // Equal to DecodedMovie::DisplayListAt(frame).
    const swf::DisplayList& Seek(int frame);

    int Frame() const { return frame_; }
    size_t SnapshotCount() const { return snapshots_.size(); }

private:
    struct Snapshot {
        int frame = -1;  // the list after this frame's operations; -1: before frame 0
        swf::DisplayList list;
    };

    void Apply(int frame);

    std::shared_ptr<const swf::DecodedMovie> movie_;
    std::vector<Snapshot> snapshots_;  // ascending frames, the first at -1
    size_t opsPerSnapshot_;
    swf::DisplayList current_;
    int frame_ = -1;      // the frame current_ shows; -1: none yet
    int explored_ = -1;   // the last frame whose snapshot rule has run
    size_t sinceSnapshot_ = 0;
};

}  // namespace glimmora::player
