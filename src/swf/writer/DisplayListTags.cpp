#include "swf/writer/DisplayListTags.h"

#include "swf/writer/RecordWriter.h"
#include "swf/writer/TagHeader.h"

namespace glimmora::swf {

void WritePlaceObject2(BitWriter& out, BitWriter& scratch, const PlaceObject2& place)
{
    scratch.Clear();
    uint8_t flags = 0;
    if (place.move) {
        flags |= 0x01;
    }
    if (place.characterId) {
        flags |= 0x02;
    }
    if (place.matrix) {
        flags |= 0x04;
    }
    if (place.colorTransform) {
        flags |= 0x08;
    }
    scratch.UI8(flags);
    scratch.UI16(place.depth);
    if (place.characterId) {
        scratch.UI16(*place.characterId);
    }
    if (place.matrix) {
        WriteMatrix(scratch, *place.matrix);
    }
    if (place.colorTransform) {
        WriteColorTransformWithAlpha(scratch, *place.colorTransform);
    }
    WriteTag(out, TagCode::PlaceObject2, scratch);
}

void WriteRemoveObject2(BitWriter& out, uint16_t depth)
{
    WriteTagHeader(out, TagCode::RemoveObject2, 2);
    out.UI16(depth);
}

}  // namespace glimmora::swf
