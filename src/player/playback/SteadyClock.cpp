#include "player/playback/PlaybackClock.h"

#include <chrono>

namespace glimmora::player {

int64_t SteadyClock::NowMicros() const
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace glimmora::player
