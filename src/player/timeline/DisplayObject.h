#pragma once
// One object on a timeline's display list while the movie runs: the
// character, where and how it is drawn, and, for a sprite, the timeline of
// this instance (its own play head and display list), held by the stage.

#include "swf/format/Filters.h"
#include "swf/format/Records.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace glimmora::player {

struct DisplayObject {
    uint16_t characterId = 0;
    swf::Matrix matrix;
    swf::ColorTransform colorTransform;
    uint16_t ratio = 0;
    uint16_t clipDepth = 0;
    std::string name;
    bool visible = true;
    swf::BlendMode blendMode = swf::BlendMode::Normal;
    bool cacheAsBitmap = false;
    // Filled, opaque, over the object's bounds under it.
    std::optional<swf::Rgba> opaqueBackground;
    // Shared between the copies snapshots keep; null for none.
    std::shared_ptr<const swf::FilterList> filters;
    // A script set its place, scale, rotation or alpha: the timeline's own
    // changes of matrix and colour transform no longer apply to it.
    bool scripted = false;
    // The frame of the parent timeline in which the object was placed or
    // last replaced; a rewinding goto keeps the objects placed up to its target.
    int placeFrame = 0;
    // The instance's own timeline on the stage (a sprite); 0 for none.
    uint32_t timeline = 0;
};

}  // namespace glimmora::player
