#pragma once
// Time as the playback controller sees it: a monotonic "now" and a repeating
// tick. Both sit behind interfaces so that tests drive them by hand.

#include <cstdint>
#include <functional>

namespace glimmora::player {

class PlaybackClock {
public:
    virtual ~PlaybackClock() = default;
    // Microseconds since an arbitrary fixed point; never goes backwards.
    virtual int64_t NowMicros() const = 0;
};

class PlaybackTimer {
public:
    virtual ~PlaybackTimer() = default;
    // Calls `onTick` about every `intervalMicros` until Stop; a second Start
    // replaces the first.
    virtual void Start(int64_t intervalMicros, std::function<void()> onTick) = 0;
    virtual void Stop() = 0;
    virtual bool Active() const = 0;
};

// The process's steady clock.
class SteadyClock : public PlaybackClock {
public:
    int64_t NowMicros() const override;
};

}  // namespace glimmora::player
