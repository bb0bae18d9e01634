#pragma once
// Where the playback controller sends the sounds of the frames it shows. The
// mixer implements it; StartSound carries the SOUNDINFO as the movie gives
// it, and the receiver applies its meaning (stop, no-multiple, loops, in and
// out points, envelope).
//
// The main timeline's streaming sound follows the playhead: StreamFrame is
// called for each frame entered while playing, in playing order, and the
// receiver queues that frame's stream samples. PauseStream holds the stream
// while the timeline stands still; StopAllSounds ends it with the rest.

#include "swf/format/Records.h"

#include <cstdint>

namespace glimmora::player {

class SoundChannel {
public:
    virtual ~SoundChannel() = default;
    virtual void StartSound(uint16_t soundId, const swf::SoundInfo& info) = 0;
    virtual void StopAllSounds() = 0;
    virtual void StreamFrame(int /*frame*/) {}
    virtual void PauseStream(bool /*paused*/) {}
};

}  // namespace glimmora::player
