#include "swf/encoder/Timeline.h"

#include "swf/SwfService.h"

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

}  // namespace

Timeline::Timeline() : epoch_(NextEpoch()) {}

void Timeline::Clear()
{
    placements_.clear();
    contents_.clear();
    contentIndex_.clear();
    lastContent_ = nullptr;
    current_ = 0;
    lastUsed_ = 0;
    epoch_ = NextEpoch();
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
}

uint32_t Timeline::ContentIndex(const std::shared_ptr<const Content>& content)
{
    if (!content) {
        return Placement::kNoContent;
    }
    if (content.get() == lastContent_) {
        return lastContentIndex_;
    }
    auto [it, added] = contentIndex_.try_emplace(content.get(), uint32_t(contents_.size()));
    if (added) {
        contents_.push_back(content);
    }
    lastContent_ = content.get();
    lastContentIndex_ = it->second;
    return it->second;
}

uint32_t Timeline::Add(const std::shared_ptr<const Content>& content, uint32_t holder,
                       int32_t depthClass, const Rgba& fill, const Affine& matrix)
{
    Placement placement;
    placement.content = ContentIndex(content);
    placement.holder = holder;
    placement.start = current_;
    placement.depthClass = depthClass;
    placement.fill = fill;
    placement.matrix = matrix;
    placements_.push_back(placement);
    lastUsed_ = std::max(lastUsed_, current_);
    return uint32_t(placements_.size() - 1);
}

void Timeline::Remove(uint32_t index)
{
    lastUsed_ = std::max(lastUsed_, current_);
    if (index >= placements_.size()) {
        return;
    }
    Placement& placement = placements_[index];
    if (placement.end == Placement::kOpen) {
        placement.end = current_;
    }
}

}  // namespace glimmora::swf
