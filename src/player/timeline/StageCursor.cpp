#include "player/timeline/StageCursor.h"

#include <algorithm>
#include <unordered_set>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace glimmora::player {

StageCursor::StageCursor(std::shared_ptr<const swf::DecodedMovie> movie, size_t workPerSnapshot)
    : runner_(std::move(movie)), workPerSnapshot_(std::max<size_t>(workPerSnapshot, 1)),
      current_(&runner_.Movie().frames)
{
}

StageCursor::~StageCursor()
{
    stopBackground_ = true;
    if (worker_.joinable()) worker_.join();
}

void StageCursor::StepForward()
{
    const size_t work = runner_.Tick(current_, RunMode::Replay);
    ++frame_;
    if (frame_ <= explored_ || worker_.joinable()) return;
    // First time through this frame: take a snapshot when enough was replayed.
    explored_ = frame_;
    sinceSnapshot_ += work;
    if (sinceSnapshot_ >= workPerSnapshot_ && frame_ + 1 < runner_.Movie().FrameCount()) {
        snapshots_.push_back({frame_, current_});
        sinceSnapshot_ = 0;
    }
}

void StageCursor::SetEmbeddingQuality(StageQuality quality)
{
    if (quality == runner_.EmbeddingQuality()) return;
    // Scripts may read the quality, so every snapshot taken with the old one
    // goes, the background's too: its replay stops and starts again.
    const bool indexing = worker_.joinable();
    if (indexing) {
        stopBackground_ = true;
        worker_.join();
        stopBackground_ = false;
        backgroundDone_ = false;
        std::lock_guard lock(backgroundMutex_);
        background_.clear();
    }
    runner_.SetEmbeddingQuality(quality);
    snapshots_.clear();
    current_ = Stage(&runner_.Movie().frames);
    frame_ = explored_ = -1;
    sinceSnapshot_ = 0;
    if (indexing) IndexInBackground();
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
    const std::unique_ptr<Snapshot> base = BaseFor(frame);  // the first snapshot is at frame 0
    if (frame < frame_ || base->frame > frame_) {
        current_ = std::move(base->stage);
        frame_ = base->frame;
    }
    while (frame_ < frame) StepForward();
    return current_;
}

std::unique_ptr<StageCursor::Snapshot> StageCursor::BaseFor(int frame) const
{
    auto latest = [frame](const std::vector<Snapshot>& list) -> const Snapshot* {
        auto it = std::upper_bound(list.begin(), list.end(), frame,
                                   [](int f, const Snapshot& s) { return f < s.frame; });
        return it == list.begin() ? nullptr : &*std::prev(it);
    };
    const Snapshot* own = latest(snapshots_);
    std::lock_guard lock(backgroundMutex_);
    const Snapshot* other = latest(background_);
    const Snapshot* best = !other || (own && own->frame >= other->frame) ? own : other;
    return best ? std::make_unique<Snapshot>(*best) : nullptr;
}

size_t StageCursor::SnapshotCount() const
{
    std::lock_guard lock(backgroundMutex_);
    return snapshots_.size() + background_.size();
}

void StageCursor::IndexInBackground()
{
    if (worker_.joinable() || runner_.Movie().FrameCount() == 0) return;
    worker_ = std::thread([this] { IndexWork(); });
}

void StageCursor::IndexWork()
{
#ifdef __linux__
    // Behind the interface: the thread yields to the one drawing the movie.
    setpriority(PRIO_PROCESS, pid_t(syscall(SYS_gettid)), 10);
#endif
    const int count = runner_.Movie().FrameCount();
    Stage stage = runner_.Start(RunMode::Replay);
    {
        Snapshot first{0, stage};
        std::lock_guard lock(backgroundMutex_);
        background_.push_back(std::move(first));
    }
    size_t since = 0;
    for (int frame = 1; frame + 1 < count && !stopBackground_; ++frame) {
        since += runner_.Tick(stage, RunMode::Replay);
        if (since < workPerSnapshot_) continue;
        Snapshot snapshot{frame, stage};  // shares what stage holds: copied here, not under the lock
        std::lock_guard lock(backgroundMutex_);
        background_.push_back(std::move(snapshot));
        since = 0;
    }
    backgroundDone_ = true;
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
    std::lock_guard lock(backgroundMutex_);
    for (const Snapshot& snapshot : background_) count(snapshot.stage);
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
