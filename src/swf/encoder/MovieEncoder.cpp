#include "swf/encoder/MovieEncoder.h"

#include "swf/SwfService.h"
#include "swf/encoder/ChainPlan.h"
#include "swf/encoder/CharacterDefinitions.h"
#include "swf/encoder/FrameOrder.h"
#include "swf/writer/ControlTags.h"
#include "swf/writer/DisplayListTags.h"
#include "swf/writer/RecordWriter.h"
#include "swf/writer/SoundTags.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace glimmora::swf {
namespace {

bool NeedsUtf8(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return uint8_t(c) >= 0x80; });
}

uint8_t ChooseVersion(const std::vector<std::shared_ptr<const Content>>& contents,
                      const std::vector<uint8_t>& used)
{
    uint8_t version = 3;
    for (size_t i = 0; i < contents.size(); ++i) {
        if (!used[i]) {
            continue;
        }
        const Content& content = *contents[i];
        if (content.kind == ContentKind::Picture) {
            version = std::max<uint8_t>(version, 8);
        } else if (content.kind == ContentKind::Sound) {
            version = std::max<uint8_t>(version, 4);
        } else if (content.kind == ContentKind::Text && !content.glyphs.empty() &&
                   NeedsUtf8(content.family)) {
            version = std::max<uint8_t>(version, 6);
        }
    }
    return version;
}

// One tag to write; its frame is where it lies in the frame buckets. Small,
// as a long movie sorts hundreds of thousands of them.
struct Tag {
    enum class Kind : uint8_t { Remove, Encoded, Continue, Moved, StartSound, StopSound };
    static constexpr uint32_t kNoId = UINT32_MAX;

    Kind kind = Kind::Remove;
    uint16_t depth = 0;
    // Encoded: the movie's content whose id the tag takes, or kNoId.
    // Continue: the member shown before, in TagLists::previous.
    uint32_t extra = 0;
    union {
        // Encoded: the event's tag (PartEvent), so that writing it reads its bytes only.
        const uint8_t* bytes;
        // The others: a member of the part's layout, or a sound of it.
        struct {
            uint32_t part;
            uint32_t item;
        } member;
    };

    static Tag Of(Kind kind, uint16_t depth, uint32_t part = 0, uint32_t item = 0)
    {
        Tag tag;
        tag.kind = kind;
        tag.depth = depth;
        tag.member = {part, item};
        return tag;
    }
};

// The length of an encoded tag and where its body begins, from its header.
struct TagExtent {
    size_t length;
    size_t body;
};
TagExtent ExtentOf(const uint8_t* tag)
{
    const uint32_t shortLength = tag[0] & 0x3Fu;
    if (shortLength != 0x3F) return {2 + shortLength, 2};
    return {6 + (uint32_t(tag[2]) | uint32_t(tag[3]) << 8 | uint32_t(tag[4]) << 16 | uint32_t(tag[5]) << 24), 6};
}

// The movie's contents in the order the parts first use them, and for each
// part the index of each of its contents there.
struct MovieContents {
    std::vector<std::shared_ptr<const Content>> contents;
    std::vector<uint8_t> used;
    std::vector<std::vector<uint32_t>> ofPart;
};

MovieContents GatherContents(const ChainPlan& plan)
{
    MovieContents gathered;
    std::unordered_map<const Content*, uint32_t> index;
    gathered.ofPart.resize(plan.parts.size());
    for (uint32_t p = 0; p < plan.parts.size(); ++p) {
        const TimelinePart& part = *plan.parts[p];
        const PartLayout& layout = *plan.layouts[p];
        std::vector<uint32_t>& local = gathered.ofPart[p];
        local.reserve(part.contents.size());
        for (uint32_t c = 0; c < part.contents.size(); ++c) {
            auto [it, added] = index.try_emplace(part.contents[c].get(), uint32_t(gathered.contents.size()));
            if (added) {
                gathered.contents.push_back(part.contents[c]);
                gathered.used.push_back(0);
            }
            local.push_back(it->second);
            gathered.used[it->second] |= layout.usedContents[c];
        }
    }
    return gathered;
}

// About the bytes the definitions of the used contents take, so that the
// movie's buffer is reserved once.
size_t DefinitionsEstimate(const MovieContents& gathered)
{
    size_t bytes = 0;
    for (size_t i = 0; i < gathered.contents.size(); ++i) {
        if (!gathered.used[i]) continue;
        const Content& content = *gathered.contents[i];
        bytes += 64;
        if (content.image) bytes += content.image->bytes.size() + content.image->alpha.size();
        if (content.sound) bytes += content.sound->samples.size();
        bytes += content.glyphs.size() * 8 + content.children.size() * 32;
    }
    return bytes;
}

// The tags of the chain plan's work, as VisitWork yields it.
template <class Emit>
struct TagVisitor {
    const ChainPlan& plan;
    const MovieContents& contents;
    std::vector<std::pair<uint32_t, uint32_t>>& previous;  // of Continue tags: (part, member)
    Emit& emit;

    void Remove(int32_t frame, uint16_t depth) { emit(frame, Tag::Of(Tag::Kind::Remove, depth)); }
    void Step(const ChainStep& step)
    {
        switch (step.kind) {
        case ChainStep::Kind::First:
        case ChainStep::Kind::Next: {
            const PartLayout& layout = *plan.layouts[step.part];
            const PartEvent& event = layout.events[step.member];
            if (event.length == 0) return;  // nothing changed
            Tag tag;
            tag.kind = Tag::Kind::Encoded;
            tag.depth = step.depth;
            tag.extra = event.hasId ? contents.ofPart[step.part][event.content] : Tag::kNoId;
            tag.bytes = layout.bytes.data() + event.offset;
            emit(step.frame, tag);
            break;
        }
        case ChainStep::Kind::Continue: {
            Tag tag = Tag::Of(Tag::Kind::Continue, step.depth, step.part, step.member);
            tag.extra = uint32_t(previous.size());
            previous.emplace_back(step.previousPart, step.previousMember);
            emit(step.frame, tag);
            break;
        }
        case ChainStep::Kind::Moved:
            emit(step.frame, Tag::Of(Tag::Kind::Moved, step.depth, step.part, step.member));
            break;
        }
    }
    void Sound(int32_t frame, uint32_t part, uint32_t index, bool stop)
    {
        emit(frame, Tag::Of(stop ? Tag::Kind::StopSound : Tag::Kind::StartSound, 0, part, index));
    }
};

class TagWriter {
public:
    TagWriter(const ChainPlan& plan, const MovieContents& contents,
              const std::vector<std::pair<uint32_t, uint32_t>>& previous, int version, BitWriter& out)
        : plan_(plan),
          contents_(contents),
          previous_(previous),
          definitions_(contents.contents, contents.used, version),
          out_(out)
    {
    }

    // The records written so far, as our reader counts them.
    size_t Records() const { return records_ + definitions_.Records(); }

    void ShowFrame()
    {
        WriteShowFrame(out_);
        ++records_;
    }

    void Write(const Tag& tag)
    {
        ++records_;  // one display or sound operation, unless nothing is written
        switch (tag.kind) {
        case Tag::Kind::Remove:
            WriteRemoveObject2(out_, tag.depth);
            break;
        case Tag::Kind::Encoded:
            WriteEncoded(tag);
            break;
        case Tag::Kind::Continue:
            WriteChange(tag);
            break;
        case Tag::Kind::Moved:
            WritePlace(tag);
            break;
        case Tag::Kind::StartSound:
        case Tag::Kind::StopSound: {
            const uint32_t part = tag.member.part;
            const PartSound& sound = plan_.layouts[part]->sounds[tag.member.item];
            const uint16_t id = Ensure(contents_.ofPart[part][plan_.parts[part]->placements[sound.placement].content]);
            WriteStartSound(out_, id, tag.kind == Tag::Kind::StopSound);
            break;
        }
        }
    }

private:
    // The state a member shows, its content as the movie's.
    ShownState StateOf(uint32_t part, uint32_t member) const
    {
        ShownState state = swf::StateOf(*plan_.parts[part], plan_.layouts[part]->members[member]);
        state.content = contents_.ofPart[part][state.content];
        return state;
    }

    uint16_t Ensure(uint32_t content) { return definitions_.Ensure(out_, content); }

    void WriteEncoded(const Tag& tag)
    {
        const bool hasId = tag.extra != Tag::kNoId;
        const uint16_t id = hasId ? Ensure(tag.extra) : 0;
        const TagExtent extent = ExtentOf(tag.bytes);
        const size_t at = out_.Size();
        out_.Bytes(tag.bytes, extent.length);
        uint8_t* flags = out_.Data().data() + at + extent.body;
        flags[1] = uint8_t(tag.depth);
        flags[2] = uint8_t(tag.depth >> 8);
        if (hasId) {
            flags[3] = uint8_t(id);
            flags[4] = uint8_t(id >> 8);
        }
    }

    // A member continuing what another part's member left at the depth.
    void WriteChange(const Tag& tag)
    {
        const auto [previousPart, previousMember] = previous_[tag.extra];
        const ShownState before = StateOf(previousPart, previousMember);
        const ShownState state = StateOf(tag.member.part, tag.member.item);
        PlaceObject2 place;
        place.depth = tag.depth;
        place.move = true;
        if (state.content != before.content) place.characterId = Ensure(state.content);
        if (state.matrix != before.matrix) place.matrix = state.matrix;
        if (state.colorTransform != before.colorTransform) place.colorTransform = state.colorTransform;
        if (!place.characterId && !place.matrix && !place.colorTransform) {
            --records_;  // nothing changed
            return;
        }
        WritePlaceObject2(out_, scratch_, place);
    }

    void WritePlace(const Tag& tag)
    {
        const ShownState state = StateOf(tag.member.part, tag.member.item);
        PlaceObject2 place;
        place.depth = tag.depth;
        place.characterId = Ensure(state.content);
        place.matrix = state.matrix;
        if (state.colorTransform != ColorTransform{}) place.colorTransform = state.colorTransform;
        WritePlaceObject2(out_, scratch_, place);
    }

    const ChainPlan& plan_;
    const MovieContents& contents_;
    const std::vector<std::pair<uint32_t, uint32_t>>& previous_;
    CharacterDefinitions definitions_;
    BitWriter& out_;
    size_t records_ = 0;
    BitWriter scratch_;
};

}  // namespace

struct EncoderScratch::Lists {
    std::vector<Tag> tags;
    std::vector<uint32_t> frameStart;
    std::vector<std::pair<uint32_t, uint32_t>> previous;
    FrameSortMemory<Tag> sorting;
    size_t lastBytes = 0;  // of the last movie
};

EncoderScratch::EncoderScratch() : lists_(std::make_unique<Lists>()) {}
EncoderScratch::~EncoderScratch() = default;
EncoderScratch::EncoderScratch(EncoderScratch&&) noexcept = default;
EncoderScratch& EncoderScratch::operator=(EncoderScratch&&) noexcept = default;

EncodedMovie EncodeMovie(const MovieSettings& settings, const Timeline& timeline)
{
    EncoderScratch scratch;
    return EncodeMovie(settings, timeline, scratch);
}

EncodedMovie EncodeMovie(const MovieSettings& settings, const Timeline& timeline, EncoderScratch& scratch)
{
    const ChainPlan plan = PlanChains(timeline, settings.mostShownAtOnce);
    const MovieContents contents = GatherContents(plan);
    EncoderScratch::Lists& lists = scratch.Get();
    lists.previous.clear();
    SortByFrame<Tag>(
        plan.frameCount,
        [&](auto&& emit) {
            TagVisitor<decltype(emit)> visitor{plan, contents, lists.previous, emit};
            VisitWork(plan, visitor);
        },
        lists.tags, lists.frameStart, lists.sorting);
    const std::vector<Tag>& tags = lists.tags;
    const std::vector<uint32_t>& frameStart = lists.frameStart;

    MovieHeader header;
    header.version = ChooseVersion(contents.contents, contents.used);
    header.frameSize = Rect{0, std::clamp(settings.width, 0, kMaxField31), 0, std::clamp(settings.height, 0, kMaxField31)};
    header.frameRate = uint16_t(std::clamp(settings.framesPerSecond, 1, 255) << 8);
    header.frameCount = uint16_t(plan.frameCount);

    // Growing the buffer of a long movie would copy it and touch twice its
    // memory; a little more than the last movie or the estimate is reserved
    // (the pages never written are never touched).
    BitWriter out;
    size_t estimate = 64 + size_t(plan.frameCount) * 2 + DefinitionsEstimate(contents);
    for (const auto& layout : plan.layouts) estimate += layout->bytes.size() + layout->chains.size() * 4;
    estimate = std::max(estimate, lists.lastBytes);
    out.Reserve(estimate + estimate / 8);
    const size_t lengthAt = WriteMovieHeader(out, header);
    if (header.version >= 8) {
        WriteFileAttributes(out, 0);
    }
    WriteSetBackgroundColor(out, settings.background);

    constexpr size_t kAhead = 8;
    TagWriter writer(plan, contents, lists.previous, header.version, out);
    for (int32_t frame = 0; frame < plan.frameCount; ++frame) {
        for (uint32_t t = frameStart[frame]; t < frameStart[frame + 1]; ++t) {
            // The parts' encoded tags lie all over memory: ask for them a few tags ahead.
            if (t + kAhead < tags.size() && tags[t + kAhead].kind == Tag::Kind::Encoded)
                __builtin_prefetch(tags[t + kAhead].bytes);
            writer.Write(tags[t]);
        }
        writer.ShowFrame();
    }
    WriteEnd(out);

    if (out.Size() > 0xFFFFFFFFu) {
        throw SwfError("The movie is larger than an SWF file can be (4 GB)");
    }
    out.PatchUI32(lengthAt, uint32_t(out.Size()));
    lists.lastBytes = out.Size();
    return EncodedMovie{std::move(out.Data()), writer.Records()};
}

}  // namespace glimmora::swf
