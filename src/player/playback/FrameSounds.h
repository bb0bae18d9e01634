#pragma once
// The sounds that showing a frame of the main timeline starts: the event
// sounds of the frames entered by the step that made the stage (the main
// timeline's own first, then those of the sprite frames entered with it;
// the streams of sprites stay silent), then the frame's block of the
// streaming sound. Playback and the headless exporters both start a frame's
// sounds through here, so they hear the same.

#include "player/playback/SoundChannel.h"
#include "player/timeline/Stage.h"

namespace glimmora::player {

// `stage` shows `frame` of the main timeline.
void StartFrameSounds(const Stage& stage, int frame, SoundChannel& channel);

}  // namespace glimmora::player
