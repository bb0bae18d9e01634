#include "swf/encoder/PartLayout.h"

#include "swf/writer/DisplayListTags.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

namespace glimmora::swf {
namespace {

constexpr uint32_t kNone = UINT32_MAX;

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

struct Chaining {
    std::vector<uint32_t> next;
    std::vector<uint32_t> first;  // of each chain
};

}  // namespace

ShownState StateOf(const TimelinePart& part, uint32_t index)
{
    const Placement& p = part.placements[index];
    ShownState state;
    state.content = p.content;
    state.matrix = Quantise(p.matrix);
    if (Colourable(*part.contents[p.content])) state.colorTransform = FillTransform(p.fill);
    return state;
}

PartLayout LayOutPart(const TimelinePart& part, const EndOverrides& overrides)
{
    const auto& placements = part.placements;
    auto endOf = [&](uint32_t i) {
        auto found = std::lower_bound(overrides.begin(), overrides.end(), std::make_pair(i, INT32_MIN));
        return found != overrides.end() && found->first == i ? found->second : placements[i].end;
    };

    PartLayout layout;
    layout.usedContents.assign(part.contents.size(), 0);
    std::vector<uint32_t> next(placements.size(), kNone);
    std::vector<uint32_t> last;  // of each chain
    std::unordered_map<uint32_t, uint32_t> holderChain;
    std::unordered_map<int32_t, uint32_t> classLast;

    for (uint32_t i = 0; i < placements.size(); ++i) {
        const Placement& p = placements[i];
        if (p.content == Placement::kNoContent) continue;
        const int32_t end = endOf(i);
        if (!part.contents[p.content]->Visible()) {
            layout.sounds.push_back({i, p.start, end});
            layout.usedContents[p.content] = 1;
            continue;
        }
        if (end <= p.start) continue;
        layout.usedContents[p.content] = 1;
        auto held = holderChain.find(p.holder);
        auto lastInClass = classLast.find(p.depthClass);
        if (held != holderChain.end() && lastInClass != classLast.end() && lastInClass->second == held->second) {
            PartChain& chain = layout.chains[held->second];
            if (chain.end == p.start && chain.depthClass == p.depthClass) {
                next[last[held->second]] = i;
                last[held->second] = i;
                chain.end = end;
                ++chain.memberCount;
                continue;
            }
        }
        const uint32_t index = uint32_t(layout.chains.size());
        PartChain chain;
        chain.depthClass = p.depthClass;
        chain.holder = p.holder;
        chain.start = p.start;
        chain.end = end;
        chain.firstMember = i;  // the first placement, until the members are laid out
        chain.memberCount = 1;
        chain.mayContinue = !holderChain.count(p.holder) && !classLast.count(p.depthClass);
        layout.chains.push_back(chain);
        last.push_back(i);
        holderChain[p.holder] = index;
        classLast[p.depthClass] = index;
    }

    // Members chain by chain, and their tags.
    layout.members.reserve(placements.size());
    layout.events.reserve(placements.size());
    BitWriter out, scratch;
    for (PartChain& chain : layout.chains) {
        uint32_t i = chain.firstMember;
        chain.firstMember = uint32_t(layout.members.size());
        ShownState before;
        for (uint32_t k = 0; k < chain.memberCount; ++k, i = next[i]) {
            const ShownState state = StateOf(part, i);
            PlaceObject2 place;
            place.depth = 0;
            if (k == 0) {
                place.characterId = 0;
                place.matrix = state.matrix;
                if (state.colorTransform != ColorTransform{}) place.colorTransform = state.colorTransform;
            } else {
                place.move = true;
                if (state.content != before.content) place.characterId = 0;
                if (state.matrix != before.matrix) place.matrix = state.matrix;
                if (state.colorTransform != before.colorTransform) place.colorTransform = state.colorTransform;
            }
            PartEvent event;
            event.offset = uint32_t(out.Size());
            event.start = placements[i].start;
            event.content = placements[i].content;
            if (k == 0 || place.characterId || place.matrix || place.colorTransform) {
                WritePlaceObject2(out, scratch, place);
                event.length = uint16_t(out.Size() - event.offset);
                event.flagsAt = uint8_t(event.length - scratch.Size());
                event.hasId = bool(place.characterId);
            }
            layout.members.push_back(i);
            layout.events.push_back(event);
            before = state;
        }
    }
    layout.bytes = std::move(out.Data());
    return layout;
}

std::shared_ptr<const PartLayout> TimelinePart::Layout() const
{
    if (!layout_ || !sealed) layout_ = std::make_shared<const PartLayout>(LayOutPart(*this));
    return layout_;
}

}  // namespace glimmora::swf
