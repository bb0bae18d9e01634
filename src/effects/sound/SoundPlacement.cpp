#include "effects/sound/SoundPlacement.h"

#include <exception>
#include <stdexcept>

namespace glimmora {

void PlaceSound(TFlashSound& sound, const GenerationContext& context)
{
    if (sound.Content.empty()) return;
    try {
        const SwfHolders* holders = context.swf;
        if (holders == nullptr || !holders->movie || !holders->media)
            throw std::logic_error("Sound placement without the movie and the media holder");
        swfObject& media = *holders->media;
        swfMovie& movie = *holders->movie;
        media.MakeSound(sound.WavePath);
        movie.GotoFrame(sound.StartTime);
        movie.AddObject(media);
        movie.GotoFrame(sound.EndTime);
        movie.RemoveObject(media);
    } catch (const std::exception&) {
        if (context.errors) context.errors->ShowError("Please select a sound file with 16Bits mono format!");
    }
}

}  // namespace glimmora
