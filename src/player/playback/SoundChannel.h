#pragma once
// Where the playback controller sends the sound starts of the frames it
// shows. The mixer implements it; StartSound carries the SOUNDINFO as the
// movie gives it, and the receiver applies its meaning (stop, no-multiple,
// loops, in and out points).

#include "swf/format/Records.h"

#include <cstdint>

namespace glimmora::player {

class SoundChannel {
public:
    virtual ~SoundChannel() = default;
    virtual void StartSound(uint16_t soundId, const swf::SoundInfo& info) = 0;
    virtual void StopAllSounds() = 0;
};

}  // namespace glimmora::player
