#pragma once
// When frames are due at a movie's frame rate. Frame k after an anchor is due
// at anchor + k / rate, computed from the anchor each time in integers, so
// late or irregular ticks never make the schedule drift.

#include <cstdint>

namespace glimmora::player {

class FrameSchedule {
public:
    // `frameRate` is the header's 8.8 fixed-point value; 0 plays at 12 fps.
    explicit FrameSchedule(uint16_t frameRate = 12 * 256);

    // The frame on screen was shown at `now`; the next is due one period later.
    void Restart(int64_t now);
    // How many frames fell due since the last call (or Restart). After a
    // stall of more than a second the schedule gives at most one second of
    // frames and starts again from `now`, instead of racing to catch up.
    int TakeDue(int64_t now);

    // Microseconds per frame, rounded down (for the wake-up timer only).
    int64_t IntervalMicros() const;
    uint32_t Rate() const { return rate_; }

private:
    int64_t DueSinceAnchor(int64_t now) const;

    uint32_t rate_;       // 8.8 fixed point frames per second
    int64_t anchor_ = 0;  // microseconds
    int64_t taken_ = 0;   // frames handed out since the anchor
};

}  // namespace glimmora::player
