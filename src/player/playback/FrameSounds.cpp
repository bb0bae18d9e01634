#include "player/playback/FrameSounds.h"

namespace glimmora::player {

void StartFrameSounds(const swf::DecodedMovie& movie, const swf::DisplayList& list, int frame,
                      SoundChannel& channel)
{
    if (frame < 0 || frame >= movie.FrameCount()) return;
    for (const swf::SoundStart& start : movie.frames[size_t(frame)].sounds) {
        channel.StartSound(start.soundId, start.info);
    }
    for (const auto& [depth, item] : list) {
        const auto character = movie.dictionary.find(item.characterId);
        if (character == movie.dictionary.end() || !character->second) continue;
        const auto* sprite = std::get_if<swf::Sprite>(character->second.get());
        if (!sprite || sprite->frames.empty()) continue;
        const int count = int(sprite->frames.size());
        const int local = ((frame - item.placedAtFrame) % count + count) % count;
        for (const swf::SoundStart& start : sprite->frames[size_t(local)].sounds) {
            channel.StartSound(start.soundId, start.info);
        }
    }
    channel.StreamFrame(frame);
}

}  // namespace glimmora::player
