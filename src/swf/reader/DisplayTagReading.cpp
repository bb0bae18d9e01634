#include "swf/reader/DisplayTagReading.h"

#include "swf/reader/RecordReading.h"

namespace glimmora::swf {
namespace {

// Skips one filter of a PlaceObject3 filter list; false for a filter type
// unknown to the format, whose length (and so what follows) is unknown.
bool SkipFilter(BitReader& in) {
    uint8_t type = in.U8();
    switch (type) {
    case 0: in.Skip(23); break;  // drop shadow
    case 1: in.Skip(9); break;   // blur
    case 2: in.Skip(15); break;  // glow
    case 3: in.Skip(27); break;  // bevel
    case 4:                      // gradient glow
    case 7: {                    // gradient bevel
        uint8_t colors = in.U8();
        in.Skip(size_t(colors) * 5 + 19);
        break;
    }
    case 5: {  // convolution
        uint8_t columns = in.U8(), rows = in.U8();
        in.Skip(size_t(columns) * rows * 4 + 13);
        break;
    }
    case 6: in.Skip(80); break;  // colour matrix
    default: return false;
    }
    return true;
}

}  // namespace

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
        bool known = true;
        if (flags2 & 0x01) {
            uint8_t filters = in.U8();
            for (unsigned i = 0; i < filters && known; ++i) known = SkipFilter(in);
        }
        // After an unknown filter the object is placed as far as it was read.
        if (known && (flags2 & 0x02)) in.U8();  // blend mode
        if (known && (flags2 & 0x04)) in.U8();  // bitmap cache
        // Visibility, background and clip actions follow; nothing here uses them.
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

}  // namespace glimmora::swf
