#include "player/playback/FrameSounds.h"

namespace glimmora::player {

void StartFrameSounds(const Stage& stage, int frame, SoundChannel& channel)
{
    if (frame < 0 || frame >= stage.Root().FrameCount()) return;
    for (const swf::SoundStart& start : stage.sounds) channel.StartSound(start.soundId, start.info);
    channel.StreamFrame(frame);
}

}  // namespace glimmora::player
