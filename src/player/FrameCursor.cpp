#include "player/FrameCursor.h"

#include <algorithm>

namespace glimmora::player {

FrameCursor::FrameCursor(std::shared_ptr<const swf::DecodedMovie> movie, size_t opsPerSnapshot)
    : movie_(std::move(movie))
{
    opsPerSnapshot = std::max<size_t>(opsPerSnapshot, 1);
    snapshots_.push_back({-1, {}});
    size_t sinceSnapshot = 0;
    const int count = movie_->FrameCount();
    for (int frame = 0; frame < count; ++frame) {
        Apply(frame);
        sinceSnapshot += movie_->frames[frame].ops.size();
        if (sinceSnapshot >= opsPerSnapshot && frame + 1 < count) {
            snapshots_.push_back({frame, current_});
            sinceSnapshot = 0;
        }
    }
    frame_ = count - 1;
}

void FrameCursor::Apply(int frame)
{
    for (const swf::DisplayOp& op : movie_->frames[frame].ops) {
        swf::ApplyDisplayOp(current_, op, frame);
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
