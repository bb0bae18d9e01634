#include "effects/sound/SoundPlacement.h"

#include <exception>
#include <filesystem>
#include <stdexcept>

namespace glimmora {

void PlaceSound(TFlashSound& sound, const GenerationContext& context)
{
    if (sound.Content.empty()) return;
    if (!sound.MediaNameProblem.empty()) {
        if (context.errors) context.errors->ShowObjectProblem({sound.ObjName, "The sound file is missing", sound.MediaNameProblem});
        return;
    }
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
    } catch (const std::exception& error) {
        if (!context.errors) return;
        std::error_code ec;
        if (!std::filesystem::exists(sound.WavePath, ec))
            context.errors->ShowObjectProblem({sound.ObjName, "The sound file is missing", sound.WavePath});
        else
            context.errors->ShowObjectProblem(
                {sound.ObjName, "Please select a sound file with 16Bits mono format!", error.what()});
    }
}

}  // namespace glimmora
