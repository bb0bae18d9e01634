#include "swf/reader/MorphShapeReading.h"

#include "swf/reader/RecordReading.h"
#include "swf/reader/ShapeReading.h"

namespace glimmora::swf {
namespace {

size_t ReadCount(BitReader& in) {
    size_t count = in.U8();
    if (count == 0xFF) count = in.U16();
    return count;
}

// MORPHFILLSTYLE: each value of a style is stored as its start, then its end.
MorphFillStyle ReadMorphFillStyle(BitReader& in) {
    MorphFillStyle pair;
    const uint8_t type = in.U8();
    switch (type) {
    case 0x00:
        pair.start.color = ReadRgba(in);
        pair.end.color = ReadRgba(in);
        break;
    case 0x10:
    case 0x12:
    case 0x13: {
        pair.start.matrix = ReadMatrix(in);
        pair.end.matrix = ReadMatrix(in);
        const uint8_t head = in.U8();
        for (FillStyle* style : {&pair.start, &pair.end}) {
            style->spread = uint8_t(head >> 6);
            style->interpolation = uint8_t((head >> 4) & 3);
        }
        const unsigned count = head & 0x0F;
        for (unsigned i = 0; i < count; ++i) {
            GradientStop start, end;
            start.ratio = in.U8();
            start.color = ReadRgba(in);
            end.ratio = in.U8();
            end.color = ReadRgba(in);
            pair.start.stops.push_back(start);
            pair.end.stops.push_back(end);
        }
        if (type == 0x13) {
            pair.start.focalPoint = in.S16() / 256.0;
            pair.end.focalPoint = in.S16() / 256.0;
        }
        break;
    }
    case 0x40:
    case 0x41:
    case 0x42:
    case 0x43:
        pair.start.bitmapId = pair.end.bitmapId = in.U16();
        pair.start.matrix = ReadMatrix(in);
        pair.end.matrix = ReadMatrix(in);
        break;
    default:
        throw DecodeError("unknown morph fill style type " + std::to_string(type));
    }
    pair.start.type = pair.end.type = FillStyle::Type(type);
    return pair;
}

// MORPHLINESTYLE (version 1) or MORPHLINESTYLE2 (version 2).
MorphLineStyle ReadMorphLineStyle(BitReader& in, int version) {
    MorphLineStyle pair;
    pair.start.width = in.U16();
    pair.end.width = in.U16();
    if (version == 1) {
        pair.start.color = ReadRgba(in);
        pair.end.color = ReadRgba(in);
        return pair;
    }
    const bool hasFill = ReadLineStyle2Flags(in, pair.start);
    const uint16_t endWidth = pair.end.width;
    pair.end = pair.start;  // the same caps, join and scaling
    pair.end.width = endWidth;
    if (hasFill) {
        MorphFillStyle fill = ReadMorphFillStyle(in);
        if (fill.start.type == FillStyle::Type::Solid) {
            pair.start.color = fill.start.color;
            pair.end.color = fill.end.color;
        }
        pair.start.fill = std::move(fill.start);
        pair.end.fill = std::move(fill.end);
    } else {
        pair.start.color = ReadRgba(in);
        pair.end.color = ReadRgba(in);
    }
    return pair;
}

}  // namespace

MorphShape ReadDefineMorphShape(BitReader& in, int version, DecodeContext& ctx) {
    MorphShape morph;
    morph.version = version;
    morph.startBounds = ReadRect(in);
    morph.endBounds = ReadRect(in);
    if (version == 2) {
        ReadRect(in);  // start edge bounds
        ReadRect(in);  // end edge bounds
        in.U8();       // which kinds of strokes it uses
    }
    const uint32_t offset = in.U32();
    const size_t endEdgesAt = in.Position() + offset;
    for (size_t i = 0, count = ReadCount(in); i < count; ++i) {  // each style takes bytes: the tag bounds it
        ctx.CountRecords();
        morph.fillStyles.push_back(ReadMorphFillStyle(in));
    }
    for (size_t i = 0, count = ReadCount(in); i < count; ++i) {
        ctx.CountRecords();
        morph.lineStyles.push_back(ReadMorphLineStyle(in, version));
    }
    morph.startRecords = ReadGlyphShape(in, ctx);
    // The end edges start where the offset says; an offset that points
    // outside the rest of the tag is taken to mean right after the start's.
    if (offset != 0 && endEdgesAt >= in.Position() && endEdgesAt < in.Size()) in.Seek(endEdgesAt);
    morph.endRecords = ReadGlyphShape(in, ctx);
    return morph;
}

}  // namespace glimmora::swf
