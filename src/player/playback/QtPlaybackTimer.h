#pragma once
// The playback tick on a precise QTimer of the calling thread's event loop.

#include "player/playback/PlaybackClock.h"

#include <QTimer>

namespace glimmora::player {

class QtPlaybackTimer : public PlaybackTimer {
public:
    QtPlaybackTimer();
    void Start(int64_t intervalMicros, std::function<void()> onTick) override;
    void Stop() override;
    bool Active() const override { return timer_.isActive(); }

private:
    QTimer timer_;
    std::function<void()> onTick_;
};

}  // namespace glimmora::player
