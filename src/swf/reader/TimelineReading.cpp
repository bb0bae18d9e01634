#include "swf/reader/TimelineReading.h"

#include "swf/reader/ActionReading.h"
#include "swf/reader/DisplayTagReading.h"
#include "swf/reader/RecordReading.h"
#include "swf/reader/SoundReading.h"

namespace glimmora::swf {
namespace {

void AddOp(FrameRecord& frame, DisplayOp op, DecodeContext& ctx) {
    ctx.CountRecords();
    frame.ops.push_back(std::move(op));
}

// Handles one control tag; false when `code` is not one. `opsBefore`: the
// frame's operations so far.
bool ReadControlTag(uint16_t code, BitReader& body, FrameRecord& frame, size_t opsBefore, DecodeContext& ctx) {
    switch (TagCode(code)) {
    case TagCode::PlaceObject:
    case TagCode::PlaceObject2:
    case TagCode::PlaceObject3:
    case TagCode::RemoveObject:
    case TagCode::RemoveObject2:
        if (auto op = ReadDisplayTag(code, body, ctx.version)) AddOp(frame, std::move(*op), ctx);
        return true;
    case TagCode::StartSound: {
        SoundStart start;
        start.soundId = body.U16();
        start.info = ReadSoundInfo(body);
        ctx.CountRecords();
        frame.sounds.push_back(start);
        return true;
    }
    case TagCode::SoundStreamHead:
    case TagCode::SoundStreamHead2:
        frame.streamHead = ReadSoundStreamHead(body);
        return true;
    case TagCode::SoundStreamBlock:
        ctx.CountRecords();
        frame.streamBlocks.push_back(ReadSoundStreamBlock(body));
        return true;
    case TagCode::FrameLabel:
        // A second label in one frame does not replace the first.
        if (frame.label.empty()) frame.label = ReadSwfString(body, ctx.version);
        return true;
    case TagCode::DoAction: {
        auto program = std::make_shared<ActionProgram>(ReadActions(body, ctx.version));
        ctx.CountRecords(program->actions.size());
        if (!program->actions.empty()) frame.scripts.push_back({uint32_t(opsBefore), std::move(program)});
        return true;
    }
    default:
        return false;
    }
}

}  // namespace

std::vector<FrameRecord> ReadTimeline(BitReader& in, DecodeContext& ctx, bool requireEnd,
                                      const OtherTagHandler& other, const std::shared_ptr<const TagSource>& keptTags) {
    std::vector<FrameRecord> frames;
    FrameRecord current;
    size_t frameBegin = in.Position();  // of the frame's first tag
    size_t keptOps = 0;                 // the frame's operations left in its tags
    while (true) {
        if (in.AtEnd()) {
            if (requireEnd) {
                throw DecodeError("the data ends at offset " + std::to_string(in.FileOffset()) +
                                  " without an End tag");
            }
            break;
        }
        const size_t tagAt = in.Position();
        TagHeader tag = ReadTagHeader(in);
        BitReader body = in.Sub(tag.length);
        ++ctx.tagCounts[tag.code];
        if (tag.code == uint16_t(TagCode::End)) break;
        if (tag.code == uint16_t(TagCode::ShowFrame)) {
            ctx.CountRecords();
            if (keptTags) current.ops = DisplayOpList::OfTags(keptTags, frameBegin, tagAt, keptOps);
            current.ops.shrink_to_fit();
            frames.push_back(std::move(current));
            current = FrameRecord{};
            frameBegin = in.Position();
            keptOps = 0;
            continue;
        }
        if (keptTags && MakesDisplayOp(tag.code, body.Data(), tag.length)) {
            ctx.CountRecords();
            ++keptOps;
            continue;
        }
        try {
            if (!ReadControlTag(tag.code, body, current, keptTags ? keptOps : current.ops.size(), ctx))
                other(tag, body);
        } catch (const DecodeError& e) {
            throw DecodeError(TagName(tag.code) + " at offset " + std::to_string(tag.offset) + ": " + e.what());
        }
    }
    return frames;
}

}  // namespace glimmora::swf
