#include "effects/picture/PicServices.h"

namespace glimmora {

SwfHolders& PictureHolders(const GenerationContext& context)
{
    SwfHolders* holders = context.swf;
    if (!holders || !holders->movie || !holders->media || !holders->overlay)
        throw SwfError("the picture routines have no SWF movie or holders");
    return *holders;
}

IRandomSource& PictureRandom(const GenerationContext& context)
{
    if (context.random) return *context.random;
    static ClockRandomSource fallback;
    return fallback;
}

}  // namespace glimmora
