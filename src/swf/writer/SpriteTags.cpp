#include "swf/writer/SpriteTags.h"

#include "swf/writer/ControlTags.h"
#include "swf/writer/DisplayListTags.h"
#include "swf/writer/TagHeader.h"

namespace glimmora::swf {

void WriteStillSprite(BitWriter& out, BitWriter& scratch, uint16_t id, const std::vector<StillChild>& children)
{
    BitWriter body;
    body.UI16(id);
    body.UI16(1);  // frames
    for (size_t i = 0; i < children.size(); ++i) {
        PlaceObject2 place;
        place.depth = uint16_t(i + 1);
        place.characterId = children[i].characterId;
        place.matrix = children[i].matrix;
        if (children[i].colorTransform != ColorTransform{}) place.colorTransform = children[i].colorTransform;
        WritePlaceObject2(body, scratch, place);
    }
    WriteShowFrame(body);
    WriteEnd(body);
    WriteTag(out, TagCode::DefineSprite, body);
}

}  // namespace glimmora::swf
