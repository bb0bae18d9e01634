#include "swf/encoder/HolderState.h"

namespace glimmora::swf {

bool HolderState::Same(const HolderState& other, uint8_t fields) const
{
    const HolderTransform& a = transform;
    const HolderTransform& b = other.transform;
    return (!(fields & kHolderContent) || content == other.content) &&
           (!(fields & kHolderDepth) || depthClass == other.depthClass) &&
           (!(fields & kHolderScale) || (a.scaleX == b.scaleX && a.scaleY == b.scaleY)) &&
           (!(fields & kHolderAngle) || a.angle == b.angle) &&
           (!(fields & kHolderPosition) || (a.x == b.x && a.y == b.y)) &&
           (!(fields & kHolderFill) || fill == other.fill) &&
           (!(fields & kHolderFont) || (fontFamily == other.fontFamily && glyphs == other.glyphs));
}

void HolderState::Take(const HolderState& from, uint8_t fields)
{
    if (fields & kHolderContent) content = from.content;
    if (fields & kHolderDepth) depthClass = from.depthClass;
    if (fields & kHolderScale) {
        transform.scaleX = from.transform.scaleX;
        transform.scaleY = from.transform.scaleY;
    }
    if (fields & kHolderAngle) transform.angle = from.transform.angle;
    if (fields & kHolderPosition) {
        transform.x = from.transform.x;
        transform.y = from.transform.y;
    }
    if (fields & kHolderFill) fill = from.fill;
    if (fields & kHolderFont) {
        fontFamily = from.fontFamily;
        glyphs = from.glyphs;
    }
}

}  // namespace glimmora::swf
