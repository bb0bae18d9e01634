#include "player/timeline/StageCursor.h"

#include <algorithm>
#include <unordered_set>

namespace glimmora::player {

StageCursor::StageCursor(std::shared_ptr<const swf::DecodedMovie> movie, size_t workPerSnapshot)
    : runner_(std::move(movie)), workPerSnapshot_(std::max<size_t>(workPerSnapshot, 1)),
      current_(&runner_.Movie().frames)
{
}

void StageCursor::StepForward()
{
    const size_t work = runner_.Tick(current_, RunMode::Replay);
    ++frame_;
    if (frame_ <= explored_) return;
    // First time through this frame: take a snapshot when enough was replayed.
    explored_ = frame_;
    sinceSnapshot_ += work;
    if (sinceSnapshot_ >= workPerSnapshot_ && frame_ + 1 < runner_.Movie().FrameCount()) {
        snapshots_.push_back({frame_, current_});
        sinceSnapshot_ = 0;
    }
}

const Stage& StageCursor::Seek(int frame)
{
    const int count = runner_.Movie().FrameCount();
    if (count == 0) return current_;
    frame = std::clamp(frame, 0, count - 1);
    if (frame == frame_) return current_;
    if (snapshots_.empty()) {
        snapshots_.push_back({0, runner_.Start(RunMode::Replay)});
        explored_ = 0;
    }
    // The last snapshot at or before the target.
    auto it = std::upper_bound(snapshots_.begin(), snapshots_.end(), frame,
                               [](int f, const Snapshot& s) { return f < s.frame; });
    const Snapshot& base = *std::prev(it);
    if (frame < frame_ || base.frame > frame_) {
        current_ = base.stage;
        frame_ = base.frame;
    }
    while (frame_ < frame) StepForward();
    return current_;
}

size_t StageCursor::HeldBytes() const
{
    std::unordered_set<const void*> chunks, timelines;
    size_t bytes = 0;
    auto count = [&](const Stage& stage) {
        bytes += sizeof(Stage) + stage.TimelineCount() * 24;
        stage.ForEachTimeline([&](const Timeline& timeline) {
            if (!timelines.insert(&timeline).second) return;
            bytes += sizeof(Timeline) + timeline.children.ChunkCount() * 24;
            timeline.children.ForEachChunk([&](const void* chunk, size_t entries) {
                if (chunks.insert(chunk).second) bytes += 64 + entries * sizeof(DepthList::Entry);
            });
        });
    };
    for (const Snapshot& snapshot : snapshots_) count(snapshot.stage);
    count(current_);
    return bytes;
}

void StageCursor::Index()
{
    const int count = runner_.Movie().FrameCount();
    if (count == 0) return;
    const int shown = std::max(frame_, 0);
    Seek(std::max(explored_, 0));
    while (frame_ + 1 < count) StepForward();
    Seek(shown);
}

}  // namespace glimmora::player
