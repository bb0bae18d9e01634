#include "player/playback/QtPlaybackTimer.h"

#include <algorithm>

namespace glimmora::player {

QtPlaybackTimer::QtPlaybackTimer()
{
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onTick_) onTick_();
    });
}

void QtPlaybackTimer::Start(int64_t intervalMicros, std::function<void()> onTick)
{
    onTick_ = std::move(onTick);
    // The controller works out from the clock how many frames are due, so
    // the timer only needs to wake it at least once per frame.
    const int ms = int(std::clamp<int64_t>(intervalMicros / 1000, 1, 1000));
    timer_.start(ms);
}

void QtPlaybackTimer::Stop()
{
    timer_.stop();
}

}  // namespace glimmora::player
