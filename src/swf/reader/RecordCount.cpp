#include "swf/reader/RecordCount.h"

#include "swf/reader/ActionReading.h"
#include "swf/reader/DecodeContext.h"
#include "swf/reader/FontReading.h"
#include "swf/reader/HeaderReading.h"
#include "swf/reader/RecordReading.h"
#include "swf/reader/ShapeReading.h"
#include "swf/reader/TagHeader.h"
#include "swf/reader/TextReading.h"
#include "swf/reader/TimelineReading.h"

#include <limits>

namespace glimmora::swf {
namespace {

// Counts the tags up to the End tag or the end of `in`.
size_t CountTags(BitReader& in, int version)
{
    DecodeContext ctx;
    ctx.limits.maxRecords = std::numeric_limits<size_t>::max();
    ctx.version = version;
    size_t records = 0;
    while (!in.AtEnd()) {
        const TagHeader tag = ReadTagHeader(in);
        BitReader body = in.Sub(tag.length);
        // Each definition is read on its own and dropped, keeping its count.
        switch (TagCode(tag.code)) {
        case TagCode::End:
            return records + ctx.records;
        case TagCode::ShowFrame:
        case TagCode::PlaceObject:
        case TagCode::PlaceObject2:
        case TagCode::PlaceObject3:
        case TagCode::RemoveObject:
        case TagCode::RemoveObject2:
        case TagCode::StartSound:
        case TagCode::SoundStreamBlock:
            ++records;
            break;
        case TagCode::DefineShape:
        case TagCode::DefineShape2:
        case TagCode::DefineShape3:
        case TagCode::DefineShape4: {
            const int shapeVersion = tag.code == uint16_t(TagCode::DefineShape)    ? 1
                                   : tag.code == uint16_t(TagCode::DefineShape2)   ? 2
                                   : tag.code == uint16_t(TagCode::DefineShape3)   ? 3
                                                                                   : 4;
            body.U16();
            ReadShapeBody(body, shapeVersion, ctx);
            break;
        }
        case TagCode::DefineFont:
            body.U16();
            ReadDefineFont(body, ctx);
            break;
        case TagCode::DefineFont2:
        case TagCode::DefineFont3:
            body.U16();
            ReadDefineFont2(body, tag.code == uint16_t(TagCode::DefineFont2) ? 2 : 3, ctx);
            break;
        case TagCode::DefineText:
        case TagCode::DefineText2:
            body.U16();
            ReadDefineText(body, tag.code == uint16_t(TagCode::DefineText) ? 1 : 2, ctx);
            break;
        case TagCode::DoAction:
            records += ReadActions(body, ctx.version).actions.size();
            break;
        case TagCode::DefineSprite:
            // Its frames are read as the reader reads them, which counts them.
            body.U16();
            body.U16();  // frame count
            ReadTimeline(body, ctx, false, [](const TagHeader&, BitReader&) {});
            break;
        default:
            break;  // bitmaps, sounds and settings hold no counted records
        }
    }
    return records + ctx.records;
}

}  // namespace

size_t CountDecodedRecords(const uint8_t* data, size_t size)
{
    const Header header = ReadFileStart(data, size);
    if (header.signature != "FWS") throw DecodeError("only uncompressed movies are counted");
    BitReader in(data + 8, size - 8, 8);
    ReadRect(in);
    in.U16();  // rate
    in.U16();  // frame count
    return CountTags(in, header.version);
}

size_t CountTagRecords(const uint8_t* tags, size_t size, int version)
{
    BitReader in(tags, size, 0);
    return CountTags(in, version);
}

size_t CountGlyphShapeRecords(const uint8_t* shape, size_t size)
{
    DecodeContext ctx;
    ctx.limits.maxRecords = std::numeric_limits<size_t>::max();
    BitReader in(shape, size, 0);
    ReadGlyphShape(in, ctx);
    return ctx.records;
}

}  // namespace glimmora::swf
