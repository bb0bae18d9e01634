#pragma once
// The movie object and the five holders of one builder, in creation order.

#include "swf/SwfService.h"

#include <memory>

namespace glimmora {

struct SwfHolders {
    std::unique_ptr<swfMovie> movie;
    std::unique_ptr<swfObject> media;    // pictures and sounds
    std::unique_ptr<swfObject> spare;    // never called
    std::unique_ptr<swfObject> font;     // the font of the text being built
    std::unique_ptr<swfObject> text;     // the text or letter being placed
    std::unique_ptr<swfObject> overlay;  // rectangles of the picture fades

    static SwfHolders Create(swfService& service)
    {
        SwfHolders h;
        h.movie = service.CreateMovie();
        h.media = service.CreateObject();
        h.spare = service.CreateObject();
        h.font = service.CreateObject();
        h.text = service.CreateObject();
        h.overlay = service.CreateObject();
        return h;
    }
};

}  // namespace glimmora
