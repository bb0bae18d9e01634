#include "player/playback/FrameSchedule.h"

#include <algorithm>

namespace glimmora::player {
namespace {

constexpr int64_t kMicrosPerSecond = 1'000'000;

}  // namespace

FrameSchedule::FrameSchedule(uint16_t frameRate) : rate_(frameRate ? frameRate : 12 * 256) {}

void FrameSchedule::Restart(int64_t now)
{
    anchor_ = now;
    taken_ = 0;
}

int64_t FrameSchedule::DueSinceAnchor(int64_t now) const
{
    if (now <= anchor_) return 0;
    // Frames are due at anchor + k * 256e6 / rate; the product stays far
    // inside 64 bits for any realistic running time.
    return (now - anchor_) * int64_t(rate_) / (256 * kMicrosPerSecond);
}

int FrameSchedule::TakeDue(int64_t now)
{
    const int64_t due = DueSinceAnchor(now) - taken_;
    if (due <= 0) return 0;
    const int64_t perSecond = std::max<int64_t>(1, (int64_t(rate_) + 255) / 256);
    if (due > perSecond) {
        Restart(now);
        return int(perSecond);
    }
    taken_ += due;
    return int(due);
}

int64_t FrameSchedule::IntervalMicros() const
{
    return std::max<int64_t>(1, 256 * kMicrosPerSecond / rate_);
}

}  // namespace glimmora::player
