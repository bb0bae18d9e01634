#include "swf/reader/ShapeReading.h"

#include "swf/reader/RecordReading.h"

#include <limits>

namespace glimmora::swf {
namespace {

Rgba ReadColor(BitReader& in, int version) { return version >= 3 ? ReadRgba(in) : ReadRgb(in); }

FillStyle ReadFillStyle(BitReader& in, int version) {
    FillStyle fill;
    uint8_t type = in.U8();
    switch (type) {
    case 0x00:
        fill.type = FillStyle::Type::Solid;
        fill.color = ReadColor(in, version);
        break;
    case 0x10:
    case 0x12:
    case 0x13: {
        fill.type = FillStyle::Type(type);
        fill.matrix = ReadMatrix(in);
        uint8_t head = in.U8();
        fill.spread = uint8_t(head >> 6);
        fill.interpolation = uint8_t((head >> 4) & 3);
        unsigned count = head & 0x0F;
        for (unsigned i = 0; i < count; ++i) {
            GradientStop stop;
            stop.ratio = in.U8();
            stop.color = ReadColor(in, version);
            fill.stops.push_back(stop);
        }
        if (type == 0x13) fill.focalPoint = in.S16() / 256.0;
        break;
    }
    case 0x40:
    case 0x41:
    case 0x42:
    case 0x43:
        fill.type = FillStyle::Type(type);
        fill.bitmapId = in.U16();
        fill.matrix = ReadMatrix(in);
        break;
    default:
        throw DecodeError("unknown fill style type " + std::to_string(type));
    }
    return fill;
}

size_t ReadStyleCount(BitReader& in, int version) {
    size_t count = in.U8();
    if (count == 0xFF && version >= 2) count = in.U16();
    return count;
}

std::vector<FillStyle> ReadFillStyles(BitReader& in, int version, DecodeContext& ctx) {
    size_t count = ReadStyleCount(in, version);
    std::vector<FillStyle> fills;
    for (size_t i = 0; i < count; ++i) {  // each style takes bytes, so the tag bounds the loop
        ctx.CountRecords();
        fills.push_back(ReadFillStyle(in, version));
    }
    return fills;
}

LineStyle ReadLineStyle(BitReader& in, int version) {
    LineStyle line;
    line.width = in.U16();
    if (version < 4) {
        line.color = ReadColor(in, version);
        return line;
    }
    if (ReadLineStyle2Flags(in, line)) {
        line.fill = ReadFillStyle(in, version);
        if (line.fill->type == FillStyle::Type::Solid) line.color = line.fill->color;
    } else {
        line.color = ReadRgba(in);
    }
    return line;
}

std::vector<LineStyle> ReadLineStyles(BitReader& in, int version, DecodeContext& ctx) {
    size_t count = ReadStyleCount(in, version);
    std::vector<LineStyle> lines;
    for (size_t i = 0; i < count; ++i) {
        ctx.CountRecords();
        lines.push_back(ReadLineStyle(in, version));
    }
    return lines;
}

Twips Advance(int64_t from, int64_t delta) {
    int64_t to = from + delta;
    if (to < std::numeric_limits<Twips>::min() || to > std::numeric_limits<Twips>::max()) {
        throw DecodeError("shape coordinates overflow");
    }
    return Twips(to);
}

// The record stream from the bit counts on; `version` 0 means a glyph SHAPE.
std::vector<ShapeRecord> ReadRecords(BitReader& in, int version, DecodeContext& ctx) {
    std::vector<ShapeRecord> records;
    unsigned fillBits = in.UB(4), lineBits = in.UB(4);
    Twips penX = 0, penY = 0;
    while (true) {
        ShapeRecord record;
        bool isEdge = in.Flag();
        if (!isEdge) {
            unsigned flags = in.UB(5);
            if (flags == 0) break;  // End
            record.kind = ShapeRecord::Kind::StyleChange;
            if (flags & 0x01) {
                unsigned bits = in.UB(5);
                penX = in.SB(bits);
                penY = in.SB(bits);
                record.moveTo = std::make_pair(penX, penY);
            }
            if (flags & 0x02) record.fillStyle0 = in.UB(fillBits);
            if (flags & 0x04) record.fillStyle1 = in.UB(fillBits);
            if (flags & 0x08) record.lineStyle = in.UB(lineBits);
            if (flags & 0x10) {
                int styleVersion = version == 0 ? 1 : version;
                std::vector<FillStyle> fills = ReadFillStyles(in, styleVersion, ctx);
                std::vector<LineStyle> lines = ReadLineStyles(in, styleVersion, ctx);
                record.newStyles = std::make_pair(std::move(fills), std::move(lines));
                fillBits = in.UB(4);
                lineBits = in.UB(4);
            }
        } else if (in.Flag()) {
            record.kind = ShapeRecord::Kind::Line;
            unsigned bits = in.UB(4) + 2;
            int32_t dx = 0, dy = 0;
            if (in.Flag()) {
                dx = in.SB(bits);
                dy = in.SB(bits);
            } else if (in.Flag()) {
                dy = in.SB(bits);
            } else {
                dx = in.SB(bits);
            }
            penX = Advance(penX, dx);
            penY = Advance(penY, dy);
            record.toX = penX;
            record.toY = penY;
        } else {
            record.kind = ShapeRecord::Kind::Curve;
            unsigned bits = in.UB(4) + 2;
            int32_t cdx = in.SB(bits), cdy = in.SB(bits), adx = in.SB(bits), ady = in.SB(bits);
            record.controlX = Advance(penX, cdx);
            record.controlY = Advance(penY, cdy);
            penX = Advance(record.controlX, adx);
            penY = Advance(record.controlY, ady);
            record.toX = penX;
            record.toY = penY;
        }
        ctx.CountRecords();
        records.push_back(std::move(record));
    }
    in.Align();
    return records;
}

}  // namespace

bool ReadLineStyle2Flags(BitReader& in, LineStyle& line) {
    const uint8_t first = in.U8();
    const uint8_t second = in.U8();
    // Cap and join values past the known ones are read as round, as players do.
    auto cap = [](unsigned bits) { return bits <= 2 ? LineStyle::Cap(bits) : LineStyle::Cap::Round; };
    line.startCap = cap(first >> 6);
    const unsigned join = (first >> 4) & 3;
    line.join = join <= 2 ? LineStyle::Join(join) : LineStyle::Join::Round;
    line.noHScale = (first & 0x04) != 0;
    line.noVScale = (first & 0x02) != 0;
    line.noClose = (second & 0x04) != 0;
    line.endCap = cap(second & 3);
    if (join == 2) line.miterLimit = in.U16() / 256.0;
    return (first & 0x08) != 0;
}

Shape ReadShapeBody(BitReader& in, int version, DecodeContext& ctx) {
    Shape shape;
    shape.version = version;
    shape.bounds = ReadRect(in);
    if (version == 4) {
        ReadRect(in);  // edge bounds
        uint8_t flags = in.U8();
        shape.nonZeroWinding = (flags & 0x04) != 0;
    }
    shape.fillStyles = ReadFillStyles(in, version, ctx);
    shape.lineStyles = ReadLineStyles(in, version, ctx);
    shape.records = ReadRecords(in, version, ctx);
    return shape;
}

std::vector<ShapeRecord> ReadGlyphShape(BitReader& in, DecodeContext& ctx) { return ReadRecords(in, 0, ctx); }

}  // namespace glimmora::swf
