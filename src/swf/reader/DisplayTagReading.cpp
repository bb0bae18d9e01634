#include "swf/reader/DisplayTagReading.h"

#include "swf/reader/FilterReading.h"
#include "swf/reader/RecordReading.h"

namespace glimmora::swf {
DisplayOp ReadPlaceObject(BitReader& in) {
    DisplayOp op;
    op.kind = DisplayOp::Kind::Place;
    op.characterId = in.U16();
    op.depth = in.U16();
    op.matrix = ReadMatrix(in);
    if (!in.AtEnd()) op.colorTransform = ReadColorTransform(in, false);
    return op;
}

std::optional<DisplayOp> ReadPlaceObject2(BitReader& in, int version, uint8_t swfVersion) {
    uint8_t flags = in.U8();
    uint8_t flags2 = version >= 3 ? in.U8() : 0;
    DisplayOp op;
    op.depth = in.U16();
    bool move = flags & 0x01, hasCharacter = flags & 0x02;
    bool hasClassName = flags2 & 0x08;
    // The format's description also gives a class name to HasImage with
    // HasCharacter; players read one only for HasClassName, and so do we.
    if (hasClassName) ReadSwfString(in, swfVersion);
    if (hasCharacter) op.characterId = in.U16();
    if (flags & 0x04) op.matrix = ReadMatrix(in);
    if (flags & 0x08) op.colorTransform = ReadColorTransform(in, true);
    if (flags & 0x10) op.ratio = in.U16();
    if (flags & 0x20) op.name = ReadSwfString(in, swfVersion);
    if (flags & 0x40) op.clipDepth = in.U16();
    if (version >= 3) {
        bool complete = true;
        if (flags2 & 0x01) op.filters = ReadFilterList(in, complete);
        // After an unknown filter the object is placed as far as it was read.
        if (complete && (flags2 & 0x02)) {
            const uint8_t mode = in.U8();
            op.blendMode = mode >= 1 && mode <= 14 ? BlendMode(mode) : BlendMode::Normal;
        }
        // Some writers set the bitmap cache and visibility flags without their
        // bytes: the tag ending there caches, as players take it, and shows.
        if (complete && (flags2 & 0x04)) op.cacheAsBitmap = in.AtEnd() || in.U8() != 0;
        if (complete && (flags2 & 0x20) && !in.AtEnd()) op.visible = in.U8() != 0;
        if (complete && (flags2 & 0x40) && in.Remaining() >= 4) op.opaqueBackground = ReadRgba(in);
        // Clip actions follow; nothing here uses them.
    }
    if (!move && !hasCharacter) return std::nullopt;
    op.kind = !move ? DisplayOp::Kind::Place : hasCharacter ? DisplayOp::Kind::Replace : DisplayOp::Kind::Modify;
    return op;
}

DisplayOp ReadRemoveObject(BitReader& in, int version) {
    DisplayOp op;
    op.kind = DisplayOp::Kind::Remove;
    if (version == 1) in.U16();  // the character id; players act on the depth
    op.depth = in.U16();
    return op;
}

bool MakesDisplayOp(uint16_t code, const uint8_t* body, size_t length) {
    switch (TagCode(code)) {
    case TagCode::PlaceObject:
    case TagCode::RemoveObject:
    case TagCode::RemoveObject2:
        return true;
    case TagCode::PlaceObject2:
    case TagCode::PlaceObject3:
        return length > 0 && (body[0] & 0x03) != 0;
    default:
        return false;
    }
}

std::optional<DisplayOp> ReadDisplayTag(uint16_t code, BitReader& body, uint8_t swfVersion) {
    switch (TagCode(code)) {
    case TagCode::PlaceObject:
        return ReadPlaceObject(body);
    case TagCode::PlaceObject2:
    case TagCode::PlaceObject3:
        return ReadPlaceObject2(body, code == uint16_t(TagCode::PlaceObject2) ? 2 : 3, swfVersion);
    case TagCode::RemoveObject:
        return ReadRemoveObject(body, 1);
    case TagCode::RemoveObject2:
        return ReadRemoveObject(body, 2);
    default:
        return std::nullopt;
    }
}

}  // namespace glimmora::swf
