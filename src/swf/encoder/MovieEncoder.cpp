#include "swf/encoder/MovieEncoder.h"

#include "swf/SwfService.h"
#include "swf/encoder/ChainPlan.h"
#include "swf/encoder/CharacterDefinitions.h"
#include "swf/writer/ControlTags.h"
#include "swf/writer/DisplayListTags.h"
#include "swf/writer/RecordWriter.h"
#include "swf/writer/SoundTags.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

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

// One tag to write, by frame.
struct Tag {
    enum class Kind : uint8_t { Remove, Encoded, Continue, Moved, StartSound, StopSound };
    Kind kind = Kind::Remove;
    uint16_t depth = 0;
    int32_t frame = 0;
    uint32_t part = 0;
    uint32_t item = 0;  // a member of the part's layout, or a sound of it
    // Continue: the member shown before, in `previousPart`.
    uint32_t previousPart = 0;
    uint32_t previousMember = 0;
};

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

// Every tag of the display list and the sounds, by frame.
std::vector<Tag> PlanTags(const ChainPlan& plan, std::vector<uint32_t>& frameStart)
{
    std::vector<Tag> removals, shows, sounds;
    for (uint32_t c = 0; c < plan.chains.size(); ++c) {
        const PlannedChain& chain = plan.chains[c];
        if (chain.end != Placement::kOpen) removals.push_back({Tag::Kind::Remove, plan.DepthAt(c, chain.end - 1), chain.end});
    }
    for (const DepthMove& move : plan.moves) removals.push_back({Tag::Kind::Remove, move.from, move.frame});
    size_t members = 0;
    for (const auto& layout : plan.layouts) members += layout->members.size();
    shows.reserve(members);
    for (uint32_t c : plan.order) {
        WalkChain(plan, c, [&](const ChainStep& step) {
            Tag tag;
            tag.depth = step.depth;
            tag.frame = step.frame;
            tag.part = step.part;
            tag.item = step.member;
            switch (step.kind) {
            case ChainStep::Kind::First:
            case ChainStep::Kind::Next:
                if (plan.layouts[step.part]->events[step.member].length == 0) return;  // nothing changed
                tag.kind = Tag::Kind::Encoded;
                break;
            case ChainStep::Kind::Continue:
                tag.kind = Tag::Kind::Continue;
                tag.previousPart = step.previousPart;
                tag.previousMember = step.previousMember;
                break;
            case ChainStep::Kind::Moved:
                tag.kind = Tag::Kind::Moved;
                break;
            }
            shows.push_back(tag);
        });
    }
    for (uint32_t p = 0; p < plan.layouts.size(); ++p) {
        const auto& partSounds = plan.layouts[p]->sounds;
        for (uint32_t i = 0; i < partSounds.size(); ++i) {
            // A sound starts where it is placed. Removed at a later frame, it
            // stops there; removed in the frame it started, it plays to its end.
            sounds.push_back({Tag::Kind::StartSound, 0, partSounds[i].start, p, i});
            if (partSounds[i].end != Placement::kOpen && partSounds[i].end > partSounds[i].start)
                sounds.push_back({Tag::Kind::StopSound, 0, partSounds[i].end, p, i});
        }
    }

    // A stable counting sort by frame.
    frameStart.assign(size_t(plan.frameCount) + 1, 0);
    for (const auto* list : {&removals, &shows, &sounds})
        for (const Tag& tag : *list) ++frameStart[size_t(tag.frame) + 1];
    std::partial_sum(frameStart.begin(), frameStart.end(), frameStart.begin());
    std::vector<uint32_t> fill(frameStart.begin(), frameStart.end() - 1);
    std::vector<Tag> tags(removals.size() + shows.size() + sounds.size());
    for (const auto* list : {&removals, &shows, &sounds})
        for (const Tag& tag : *list) tags[fill[size_t(tag.frame)]++] = tag;
    return tags;
}

class TagWriter {
public:
    TagWriter(const ChainPlan& plan, const MovieContents& contents, BitWriter& out)
        : plan_(plan), contents_(contents), definitions_(contents.contents, contents.used), out_(out)
    {
    }

    void Write(const Tag& tag)
    {
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
            const PartSound& sound = plan_.layouts[tag.part]->sounds[tag.item];
            const uint16_t id = Ensure(contents_.ofPart[tag.part][plan_.parts[tag.part]->placements[sound.placement].content]);
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
        const PartLayout& layout = *plan_.layouts[tag.part];
        const PartEvent& event = layout.events[tag.item];
        uint16_t id = 0;
        if (event.hasId)
            id = Ensure(contents_.ofPart[tag.part][plan_.parts[tag.part]->placements[layout.members[tag.item]].content]);
        const size_t at = out_.Size();
        out_.Bytes(layout.bytes.data() + event.offset, event.length);
        uint8_t* flags = out_.Data().data() + at + event.flagsAt;
        flags[1] = uint8_t(tag.depth);
        flags[2] = uint8_t(tag.depth >> 8);
        if (event.hasId) {
            flags[3] = uint8_t(id);
            flags[4] = uint8_t(id >> 8);
        }
    }

    // A member continuing what another part's member left at the depth.
    void WriteChange(const Tag& tag)
    {
        const ShownState before = StateOf(tag.previousPart, tag.previousMember);
        const ShownState state = StateOf(tag.part, tag.item);
        PlaceObject2 place;
        place.depth = tag.depth;
        place.move = true;
        if (state.content != before.content) place.characterId = Ensure(state.content);
        if (state.matrix != before.matrix) place.matrix = state.matrix;
        if (state.colorTransform != before.colorTransform) place.colorTransform = state.colorTransform;
        if (!place.characterId && !place.matrix && !place.colorTransform) return;  // nothing changed
        WritePlaceObject2(out_, scratch_, place);
    }

    void WritePlace(const Tag& tag)
    {
        const ShownState state = StateOf(tag.part, tag.item);
        PlaceObject2 place;
        place.depth = tag.depth;
        place.characterId = Ensure(state.content);
        place.matrix = state.matrix;
        if (state.colorTransform != ColorTransform{}) place.colorTransform = state.colorTransform;
        WritePlaceObject2(out_, scratch_, place);
    }

    const ChainPlan& plan_;
    const MovieContents& contents_;
    CharacterDefinitions definitions_;
    BitWriter& out_;
    BitWriter scratch_;
};

}  // namespace

std::vector<uint8_t> EncodeMovie(const MovieSettings& settings, const Timeline& timeline)
{
    const ChainPlan plan = PlanChains(timeline);
    const MovieContents contents = GatherContents(plan);
    std::vector<uint32_t> frameStart;
    const std::vector<Tag> tags = PlanTags(plan, frameStart);

    MovieHeader header;
    header.version = ChooseVersion(contents.contents, contents.used);
    header.frameSize = Rect{0, std::clamp(settings.width, 0, kMaxField31), 0, std::clamp(settings.height, 0, kMaxField31)};
    header.frameRate = uint16_t(std::clamp(settings.framesPerSecond, 1, 255) << 8);
    header.frameCount = uint16_t(plan.frameCount);

    BitWriter out;
    size_t estimate = 64 + size_t(plan.frameCount) * 2;
    for (const auto& layout : plan.layouts) estimate += layout->bytes.size() + layout->chains.size() * 4;
    out.Reserve(estimate);
    const size_t lengthAt = WriteMovieHeader(out, header);
    if (header.version >= 8) {
        WriteFileAttributes(out, 0);
    }
    WriteSetBackgroundColor(out, settings.background);

    TagWriter writer(plan, contents, out);
    for (int32_t frame = 0; frame < plan.frameCount; ++frame) {
        for (uint32_t t = frameStart[frame]; t < frameStart[frame + 1]; ++t) writer.Write(tags[t]);
        WriteShowFrame(out);
    }
    WriteEnd(out);

    if (out.Size() > 0xFFFFFFFFu) {
        throw SwfError("The movie is larger than an SWF file can be (4 GB)");
    }
    out.PatchUI32(lengthAt, uint32_t(out.Size()));
    return std::move(out.Data());
}

}  // namespace glimmora::swf
