#include "swf/encoder/MovieEncoder.h"

#include "swf/SwfService.h"
#include "swf/encoder/CharacterDefinitions.h"
#include "swf/writer/ControlTags.h"
#include "swf/writer/DisplayListTags.h"
#include "swf/writer/RecordWriter.h"
#include "swf/writer/SoundTags.h"

#include <algorithm>

namespace glimmora::swf {
namespace {

// What a depth shows now, as written.
struct DepthState {
    uint32_t content = Placement::kNoContent;
    Matrix matrix;
    ColorTransform colorTransform;
};

bool Colourable(const Content& content)
{
    return content.kind == ContentKind::Text || content.kind == ContentKind::Rectangle;
}

// Texts and rectangles are defined in opaque black; the placement's colour
// transform replaces every channel with the fill, alpha included, so any
// colour is exact and one definition serves them all.
ColorTransform FillTransform(const Rgba& fill)
{
    ColorTransform cx;
    cx.multR = cx.multG = cx.multB = cx.multA = 0;
    cx.addR = fill.r;
    cx.addG = fill.g;
    cx.addB = fill.b;
    cx.addA = fill.a;
    return cx;
}

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

}  // namespace

std::vector<uint8_t> EncodeMovie(const MovieSettings& settings, const Timeline& timeline,
                                 const DisplayPlan& plan)
{
    const auto& placements = timeline.Placements();
    const auto& contents = timeline.Contents();

    std::vector<uint8_t> used(contents.size(), 0);
    for (const PlanEvent& e : plan.events) {
        if (e.kind != PlanEvent::Kind::Remove) {
            used[placements[e.placement].content] = 1;
        }
    }
    CharacterDefinitions definitions(contents, used);

    MovieHeader header;
    header.version = ChooseVersion(contents, used);
    header.frameSize = Rect{0, std::clamp(settings.width, 0, kMaxField31), 0,
                            std::clamp(settings.height, 0, kMaxField31)};
    header.frameRate = uint16_t(std::clamp(settings.framesPerSecond, 1, 255) << 8);
    header.frameCount = uint16_t(plan.frameCount);

    BitWriter out;
    out.Reserve(64 + plan.events.size() * 16 + size_t(plan.frameCount) * 2);
    const size_t lengthAt = WriteMovieHeader(out, header);
    if (header.version >= 8) {
        WriteFileAttributes(out, 0);
    }
    WriteSetBackgroundColor(out, settings.background);

    std::vector<DepthState> depths(plan.depthCount + 1);
    BitWriter scratch;
    for (int32_t frame = 0; frame < plan.frameCount; ++frame) {
        for (uint32_t e = plan.frameStart[frame]; e < plan.frameStart[frame + 1]; ++e) {
            const PlanEvent& event = plan.events[e];
            if (event.kind == PlanEvent::Kind::Remove) {
                WriteRemoveObject2(out, event.depth);
                depths[event.depth] = DepthState{};
                continue;
            }
            const Placement& placement = placements[event.placement];
            const uint16_t id = definitions.Ensure(out, placement.content);
            if (event.kind == PlanEvent::Kind::StartSound || event.kind == PlanEvent::Kind::StopSound) {
                WriteStartSound(out, id, event.kind == PlanEvent::Kind::StopSound);
                continue;
            }
            const Content& content = *contents[placement.content];
            const Matrix matrix = Quantise(placement.matrix);
            const ColorTransform cx = Colourable(content) ? FillTransform(placement.fill)
                                                          : ColorTransform{};
            DepthState& state = depths[event.depth];
            PlaceObject2 place;
            place.depth = event.depth;
            if (event.kind == PlanEvent::Kind::Place) {
                place.characterId = id;
                place.matrix = matrix;
                if (cx != ColorTransform{}) {
                    place.colorTransform = cx;
                }
            } else {
                place.move = true;
                if (state.content != placement.content) {
                    place.characterId = id;
                }
                if (state.matrix != matrix) {
                    place.matrix = matrix;
                }
                if (state.colorTransform != cx) {
                    place.colorTransform = cx;
                }
                if (!place.characterId && !place.matrix && !place.colorTransform) {
                    continue;  // nothing changed
                }
            }
            WritePlaceObject2(out, scratch, place);
            state = DepthState{placement.content, matrix, cx};
        }
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
