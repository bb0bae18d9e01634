#include "player/FrameCursor.h"

#include <algorithm>

namespace glimmora::player {

FrameCursor::FrameCursor(std::shared_ptr<const swf::DecodedMovie> movie, size_t opsPerSnapshot)
    : movie_(std::move(movie)), opsPerSnapshot_(std::max<size_t>(opsPerSnapshot, 1))
{
    snapshots_.push_back({-1, {}});
}

void FrameCursor::Apply(int frame)
{
    const std::vector<swf::DisplayOp>& ops = movie_->frames[frame].ops;
    for (const swf::DisplayOp& op : ops) {
        swf::ApplyDisplayOp(current_, op, frame);
    }
    if (frame <= explored_) {
        return;
    }
    // First time through this frame: take a snapshot when enough has changed.
    explored_ = frame;
    sinceSnapshot_ += ops.size();
    if (sinceSnapshot_ >= opsPerSnapshot_ && frame + 1 < movie_->FrameCount()) {
        snapshots_.push_back({frame, current_});
        sinceSnapshot_ = 0;
    }
}

const swf::DisplayList& FrameCursor::Seek(int frame)
{
    const int count = movie_->FrameCount();
    if (count == 0) {
        return current_;
    }
    frame = std::clamp(frame, 0, count - 1);
    if (frame == frame_) {
        return current_;
    }
    // The last snapshot at or before the target.
    auto it = std::upper_bound(snapshots_.begin(), snapshots_.end(), frame,
                               [](int f, const Snapshot& s) { return f < s.frame; });
    const Snapshot& base = *std::prev(it);
    if (frame < frame_ || base.frame > frame_) {
        current_ = base.list;
        frame_ = base.frame;
    }
    while (frame_ < frame) {
        Apply(++frame_);
    }
    return current_;
}

}  // namespace glimmora::player
