#include "player/timeline/ClipProperties.h"

#include "player/timeline/TargetPaths.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

namespace glimmora::player {
namespace {

constexpr const char* kNames[kClipPropertyCount] = {
    "_x",        "_y",        "_xscale", "_yscale",     "_currentframe", "_totalframes", "_alpha",   "_visible",
    "_width",    "_height",   "_rotation", "_target",   "_framesloaded", "_name",        "_droptarget", "_url",
    "_highquality", "_focusrect", "_soundbuftime", "_quality", "_xmouse", "_ymouse",
};

double ScaleOf(int32_t a, int32_t b) { return std::hypot(a / 65536.0, b / 65536.0) * 100; }

int32_t Fixed(double value)
{
    return int32_t(std::clamp(std::lround(value * 65536), -2147483647L, 2147483647L));
}

// The matrix with new scales and rotation (degrees), skew kept as none.
swf::Matrix Compose(const swf::Matrix& m, double xScale, double yScale, double rotation)
{
    const double radians = rotation * std::numbers::pi / 180;
    swf::Matrix out = m;
    out.scaleX = Fixed(std::cos(radians) * xScale / 100);
    out.rotateSkew0 = Fixed(std::sin(radians) * xScale / 100);
    out.rotateSkew1 = Fixed(-std::sin(radians) * yScale / 100);
    out.scaleY = Fixed(std::cos(radians) * yScale / 100);
    return out;
}

double RotationOf(const swf::Matrix& m) { return std::atan2(m.rotateSkew0, m.scaleX) * 180 / std::numbers::pi; }

// The quality `value` names (_quality: "low" to "best", any case) or
// numbers (_highquality: 0 low, 1 high, 2 best); nothing for other values.
std::optional<StageQuality> QualityOf(ClipProperty property, const ActionValue& value, uint8_t swfVersion)
{
    if (property == ClipProperty::HighQuality) {
        const double number = ToNumber(value, swfVersion);
        if (std::isnan(number)) return std::nullopt;
        return number <= 0 ? StageQuality::Low : number < 2 ? StageQuality::High : StageQuality::Best;
    }
    return StageQualityNamed(ToString(value, swfVersion));
}

}  // namespace

std::optional<ClipProperty> PropertyNamed(std::string_view name)
{
    for (int i = 0; i < kClipPropertyCount; ++i) {
        if (SameName(name, kNames[i], false)) return ClipProperty(i);
    }
    return std::nullopt;
}

ActionValue GetClipProperty(const Stage& stage, uint32_t clip, ClipProperty property, uint8_t swfVersion)
{
    const Timeline* timeline = stage.Find(clip);
    if (!timeline) return ActionValue::Undefined();
    const DisplayObject* object = InstanceOf(stage, clip);
    const DisplayObject plain;
    const DisplayObject& o = object ? *object : plain;
    switch (property) {
    case ClipProperty::X: return ActionValue::Number(o.matrix.translateX / 20.0);
    case ClipProperty::Y: return ActionValue::Number(o.matrix.translateY / 20.0);
    case ClipProperty::XScale: return ActionValue::Number(ScaleOf(o.matrix.scaleX, o.matrix.rotateSkew0));
    case ClipProperty::YScale: return ActionValue::Number(ScaleOf(o.matrix.rotateSkew1, o.matrix.scaleY));
    case ClipProperty::CurrentFrame: return ActionValue::Number(std::max(timeline->frame, 0) + 1);
    case ClipProperty::TotalFrames:
    case ClipProperty::FramesLoaded: return ActionValue::Number(timeline->FrameCount());
    case ClipProperty::Alpha: return ActionValue::Number(o.colorTransform.multA * 100.0 / 256);
    case ClipProperty::Visible: return ActionValue::Boolean(o.visible);
    case ClipProperty::Rotation: return ActionValue::Number(RotationOf(o.matrix));
    case ClipProperty::Target: return ActionValue::String(SlashPath(stage, clip));
    case ClipProperty::Name: return ActionValue::String(object ? o.name : std::string());
    case ClipProperty::HighQuality: {
        const StageQuality q = stage.Quality();
        return ActionValue::Number(q == StageQuality::Low ? 0 : q == StageQuality::Best ? 2 : 1);
    }
    case ClipProperty::FocusRect: return ActionValue::Number(1);
    case ClipProperty::SoundBufTime: return ActionValue::Number(5);
    case ClipProperty::Quality: return ActionValue::String(QualityName(stage.Quality()));
    case ClipProperty::DropTarget:
    case ClipProperty::Url: return ActionValue::String("");
    case ClipProperty::Width:
    case ClipProperty::Height:
    case ClipProperty::XMouse:
    case ClipProperty::YMouse: return ActionValue::Number(0);
    }
    (void)swfVersion;
    return ActionValue::Undefined();
}

void SetClipProperty(Stage& stage, uint32_t clip, ClipProperty property, const ActionValue& value,
                     uint8_t swfVersion)
{
    // The quality belongs to the whole movie, whichever clip it is set on.
    if (property == ClipProperty::Quality || property == ClipProperty::HighQuality) {
        if (const auto quality = QualityOf(property, value, swfVersion)) stage.quality = quality;
        return;
    }
    DisplayObject* object = MutableInstanceOf(stage, clip);
    if (!object) return;  // the main timeline has no place of its own
    const double number = ToNumber(value, swfVersion);
    const bool usable = !std::isnan(number) && !std::isinf(number);
    swf::Matrix& m = object->matrix;
    switch (property) {
    case ClipProperty::X:
    case ClipProperty::Y:
        if (!usable) return;
        (property == ClipProperty::X ? m.translateX : m.translateY) =
            swf::Twips(std::clamp(std::lround(number * 20), -2147483647L, 2147483647L));
        object->scripted = true;
        return;
    case ClipProperty::XScale:
    case ClipProperty::YScale:
    case ClipProperty::Rotation: {
        if (!usable) return;
        double xScale = ScaleOf(m.scaleX, m.rotateSkew0), yScale = ScaleOf(m.rotateSkew1, m.scaleY);
        double rotation = RotationOf(m);
        if (property == ClipProperty::XScale) xScale = number;
        if (property == ClipProperty::YScale) yScale = number;
        if (property == ClipProperty::Rotation) rotation = number;
        m = Compose(m, xScale, yScale, rotation);
        object->scripted = true;
        return;
    }
    case ClipProperty::Alpha:
        if (!usable) return;
        object->colorTransform.multA = int16_t(std::clamp(std::lround(number * 256 / 100), -32768L, 32767L));
        object->scripted = true;
        return;
    case ClipProperty::Visible: object->visible = ToBoolean(value, swfVersion); return;
    case ClipProperty::Name: object->name = ToString(value, swfVersion); return;
    default: return;  // read-only, or nothing here keeps it
    }
}

}  // namespace glimmora::player
