#pragma once
// A clock and a timer driven by hand: AdvanceTo moves time forward and fires
// the timer at each of its ticks on the way, as a real event loop would.

#include "player/playback/PlaybackClock.h"

#include <cstdint>
#include <functional>

namespace glimmora::test {

class FakeTime : public player::PlaybackClock, public player::PlaybackTimer {
public:
    int64_t NowMicros() const override { return now_; }
    void Start(int64_t intervalMicros, std::function<void()> onTick) override
    {
        interval_ = intervalMicros > 0 ? intervalMicros : 1;
        onTick_ = std::move(onTick);
        nextTick_ = now_ + interval_;
        active_ = true;
    }
    void Stop() override { active_ = false; }
    bool Active() const override { return active_; }

    void AdvanceTo(int64_t time)
    {
        while (active_ && nextTick_ <= time) {
            now_ = nextTick_;
            nextTick_ += interval_;
            onTick_();
        }
        if (time > now_) now_ = time;
    }
    void AdvanceBy(int64_t micros) { AdvanceTo(now_ + micros); }

private:
    int64_t now_ = 1'000'000;
    int64_t interval_ = 1;
    int64_t nextTick_ = 0;
    bool active_ = false;
    std::function<void()> onTick_;
};

}  // namespace glimmora::test
