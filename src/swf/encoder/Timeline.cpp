#include "swf/encoder/Timeline.h"

#include "swf/SwfService.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <string>

namespace glimmora::swf {
namespace {

uint64_t NextEpoch()
{
    static std::atomic<uint64_t> counter{0};
    return ++counter;
}

std::string FrameText(double frame)
{
    std::string text = std::to_string(frame);
    while (!text.empty() && text.back() == '0') {
        text.pop_back();
    }
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text;
}

const EndOverrides kNoOverrides;

}  // namespace

Timeline::Timeline() : epoch_(NextEpoch()) {}

void Timeline::Clear()
{
    parts_.clear();
    open_ = false;
    recording_ = false;
    tracked_.clear();
    contentIndex_.clear();
    lastContent_ = nullptr;
    overrides_.clear();
    current_ = 0;
    lastUsed_ = 0;
    epoch_ = NextEpoch();
    flatStale_ = true;
}

void Timeline::GotoFrame(double frame)
{
    if (!std::isfinite(frame)) {
        throw SwfError("GotoFrame: the frame is not a number");
    }
    const double rounded = std::nearbyint(frame);
    if (rounded < 0) {
        throw SwfError("GotoFrame: frame " + FrameText(frame) + " is before the first frame (0)");
    }
    if (rounded > kLastFrame) {
        throw SwfError("GotoFrame: frame " + FrameText(frame) + " is beyond the last frame a movie can have (" +
                       std::to_string(kLastFrame) + ")");
    }
    current_ = int32_t(rounded);
    if (recording_) parts_.back()->frameWritten = current_;
}

void Timeline::ReadFrame()
{
    if (!recording_) return;
    TimelinePart& part = *parts_.back();
    if (!part.frameWritten && !part.frameRead) part.frameRead = current_;
}

void Timeline::Reading(uint32_t holder, const HolderState& state, uint8_t fields)
{
    if (!recording_) return;
    Tracked& tracked = tracked_[holder];
    const uint8_t first = fields & ~tracked.written & ~tracked.read;
    if (!first) return;
    tracked.read |= first;
    auto& reads = parts_.back()->reads;
    auto found = std::find_if(reads.begin(), reads.end(), [holder](const HolderSnapshot& s) { return s.holder == holder; });
    if (found == reads.end()) {
        reads.push_back({holder, 0, {}, {}});
        found = reads.end() - 1;
    }
    found->fields |= first;
    found->state.Take(state, first);
}

void Timeline::Writing(uint32_t holder, HolderState& state, uint8_t fields)
{
    if (!recording_) return;
    Tracked& tracked = tracked_[holder];
    tracked.state = &state;
    tracked.written |= fields;
}

void Timeline::UsedMedia(MediaUse use)
{
    if (recording_) parts_.back()->media.push_back(std::move(use));
}

TimelinePart& Timeline::OpenPart()
{
    if (!open_) {
        parts_.push_back(std::make_shared<TimelinePart>());
        open_ = true;
        contentIndex_.clear();
        lastContent_ = nullptr;
    }
    return *parts_.back();
}

void Timeline::SealOpenPart()
{
    if (open_) parts_.back()->sealed = true;
    open_ = false;
    recording_ = false;
    tracked_.clear();
}

void Timeline::Add(uint32_t holder, HolderState& state, const Affine& matrix)
{
    Reading(holder, state, kHolderPlaced);
    ReadFrame();
    TimelinePart& part = OpenPart();
    Placement placement;
    if (const Content* content = state.content.get()) {
        if (content != lastContent_) {
            auto [it, added] = contentIndex_.try_emplace(content, uint32_t(part.contents.size()));
            if (added) part.contents.push_back(state.content);
            lastContent_ = content;
            lastContentIndex_ = it->second;
        }
        placement.content = lastContentIndex_;
    }
    placement.holder = holder;
    placement.start = current_;
    placement.depthClass = state.depthClass;
    placement.fill = state.fill;
    placement.matrix = matrix;
    part.placements.push_back(placement);
    part.lastUsed = std::max(part.lastUsed, current_);
    lastUsed_ = std::max(lastUsed_, current_);
    state.latest = PlacementRef{epoch_, uint32_t(parts_.size() - 1), uint32_t(part.placements.size() - 1)};
    if (recording_) tracked_[holder].state = &state;
    flatStale_ = true;
}

int32_t Timeline::EndOf(const PlacementRef& ref) const
{
    const EndOverrides& overrides = OverridesOf(ref.part);
    for (const auto& [index, end] : overrides)
        if (index == ref.index) return end;
    return parts_[ref.part]->placements[ref.index].end;
}

void Timeline::Remove(uint32_t holder, HolderState& state)
{
    ReadFrame();
    TimelinePart& part = OpenPart();
    part.lastUsed = std::max(part.lastUsed, current_);
    lastUsed_ = std::max(lastUsed_, current_);
    const PlacementRef ref = state.latest;
    const bool earlier = ref.epoch != epoch_ || ref.part + 1 != parts_.size();
    if (recording_ && earlier) {
        Tracked& tracked = tracked_[holder];
        if (!tracked.endedEarlier) {
            tracked.endedEarlier = true;
            part.earlierEnds.push_back({holder, current_});
        }
    }
    if (ref.epoch != epoch_ || ref.part >= parts_.size() || EndOf(ref) != Placement::kOpen) return;
    if (!earlier) {
        part.placements[ref.index].end = current_;
    } else {
        EndOverrides& overrides = overrides_[ref.part];
        overrides.insert(std::upper_bound(overrides.begin(), overrides.end(), std::make_pair(ref.index, current_)),
                         {ref.index, current_});
    }
    flatStale_ = true;
}

void Timeline::BeginPart(std::string key)
{
    SealOpenPart();
    OpenPart().key = std::move(key);
    recording_ = true;
}

std::shared_ptr<const TimelinePart> Timeline::EndPart()
{
    if (!recording_) return nullptr;
    TimelinePart& part = *parts_.back();
    const uint32_t ordinal = uint32_t(parts_.size() - 1);
    for (const auto& [holder, tracked] : tracked_) {
        if (!tracked.state) continue;
        HolderSnapshot write{holder, tracked.written, {}, {}};
        write.state.Take(*tracked.state, tracked.written);
        const PlacementRef& latest = tracked.state->latest;
        if (latest.epoch == epoch_ && latest.part == ordinal) write.latest = latest.index;
        if (write.fields || write.latest) part.writes.push_back(std::move(write));
    }
    // The same order whatever the hash map's.
    std::sort(part.writes.begin(), part.writes.end(),
              [](const HolderSnapshot& a, const HolderSnapshot& b) { return a.holder < b.holder; });
    SealOpenPart();
    return parts_.back();
}

bool Timeline::CanReplay(const TimelinePart& part, const HolderLookup& holders) const
{
    if (part.frameRead && *part.frameRead != current_) return false;
    for (const HolderSnapshot& read : part.reads) {
        const HolderState* state = holders(read.holder);
        if (!state || !state->Same(read.state, read.fields)) return false;
    }
    for (const HolderSnapshot& write : part.writes)
        if (!holders(write.holder)) return false;
    for (const EarlierEnd& end : part.earlierEnds)
        if (!holders(end.holder)) return false;
    return true;
}

void Timeline::Replay(std::shared_ptr<const TimelinePart> part, const HolderLookup& holders)
{
    SealOpenPart();
    const uint32_t ordinal = uint32_t(parts_.size());
    for (const EarlierEnd& end : part->earlierEnds) {
        const PlacementRef ref = holders(end.holder)->latest;
        if (ref.epoch != epoch_ || ref.part >= parts_.size() || EndOf(ref) != Placement::kOpen) continue;
        EndOverrides& overrides = overrides_[ref.part];
        overrides.insert(std::upper_bound(overrides.begin(), overrides.end(), std::make_pair(ref.index, end.frame)),
                         {ref.index, end.frame});
    }
    for (const HolderSnapshot& write : part->writes) {
        HolderState& state = *holders(write.holder);
        state.Take(write.state, write.fields);
        if (write.latest) state.latest = PlacementRef{epoch_, ordinal, *write.latest};
    }
    if (part->frameWritten) current_ = *part->frameWritten;
    lastUsed_ = std::max(lastUsed_, part->lastUsed);
    // A recorded part never changes: the timeline shares it.
    parts_.push_back(std::const_pointer_cast<TimelinePart>(std::move(part)));
    flatStale_ = true;
}

const EndOverrides& Timeline::OverridesOf(uint32_t part) const
{
    auto found = overrides_.find(part);
    return found == overrides_.end() ? kNoOverrides : found->second;
}

const std::vector<Placement>& Timeline::Placements() const
{
    if (!flatStale_) return flat_;
    flat_.clear();
    flatStart_.clear();
    for (uint32_t p = 0; p < parts_.size(); ++p) {
        flatStart_.push_back(uint32_t(flat_.size()));
        const size_t first = flat_.size();
        flat_.insert(flat_.end(), parts_[p]->placements.begin(), parts_[p]->placements.end());
        for (const auto& [index, end] : OverridesOf(p)) flat_[first + index].end = end;
    }
    flatStale_ = false;
    return flat_;
}

uint32_t Timeline::FirstPlacementOf(uint32_t part) const
{
    Placements();
    return flatStart_[part];
}

}  // namespace glimmora::swf
