#pragma once
// The properties of a sprite instance that scripts read and write by number
// (GetProperty, SetProperty) or by name ("_x", "_currentframe", ...):
// position, scale, rotation, alpha, visibility, name, frames and paths.
// Writing one of place, scale, rotation or alpha takes the instance out of
// its timeline's hands for matrix and colour (as the player does).

#include "player/timeline/ActionValue.h"
#include "player/timeline/Stage.h"

#include <optional>
#include <string_view>

namespace glimmora::player {

enum class ClipProperty {
    X, Y, XScale, YScale, CurrentFrame, TotalFrames, Alpha, Visible, Width, Height, Rotation, Target,
    FramesLoaded, Name, DropTarget, Url, HighQuality, FocusRect, SoundBufTime, Quality, XMouse, YMouse,
};
constexpr int kClipPropertyCount = int(ClipProperty::YMouse) + 1;

// "_x" and the like, whatever their letter case.
std::optional<ClipProperty> PropertyNamed(std::string_view name);

ActionValue GetClipProperty(const Stage& stage, uint32_t clip, ClipProperty property, uint8_t swfVersion);
void SetClipProperty(Stage& stage, uint32_t clip, ClipProperty property, const ActionValue& value,
                     uint8_t swfVersion);

}  // namespace glimmora::player
