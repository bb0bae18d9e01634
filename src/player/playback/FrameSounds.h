#pragma once
// The sounds that showing a frame of the main timeline starts: the frame's
// own sound starts, the sounds of the frame each sprite on the stage has
// reached (a sprite's frame follows the main timeline's from the frame it
// was placed in; sprites inside sprites stay silent), then the frame's block
// of the streaming sound. Playback and the headless exporters both start a
// frame's sounds through here, so they hear the same.

#include "player/playback/SoundChannel.h"
#include "swf/reader/DecodedMovie.h"

namespace glimmora::player {

// `list` is the main timeline's display list at `frame`.
void StartFrameSounds(const swf::DecodedMovie& movie, const swf::DisplayList& list, int frame,
                      SoundChannel& channel);

}  // namespace glimmora::player
