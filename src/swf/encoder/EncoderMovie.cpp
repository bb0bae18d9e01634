#include "swf/encoder/EncoderMovie.h"

#include "swf/encoder/AtomicFile.h"
#include "swf/encoder/DisplayPlan.h"
#include "swf/encoder/EncoderObject.h"
#include "swf/encoder/ShowableMovie.h"

#include <algorithm>

namespace glimmora::swf {

EncoderMovie::EncoderMovie(std::shared_ptr<EncoderContext> context) : context_(std::move(context))
{
}

void EncoderMovie::SetSize(int widthTwips, int heightTwips)
{
    settings_.width = std::clamp(widthTwips, 0, (1 << 30) - 1);
    settings_.height = std::clamp(heightTwips, 0, (1 << 30) - 1);
    timeline_.Clear();
    context_->glyphs.NextBuild();
}

void EncoderMovie::SetFrameRate(int framesPerSecond)
{
    // The header holds whole rates of 1 to 255 frames per second.
    settings_.framesPerSecond = std::clamp(framesPerSecond, 1, 255);
}

void EncoderMovie::SetFrameBkColor(int red, int green, int blue)
{
    auto channel = [](int v) { return uint8_t(std::clamp(v, 0, 255)); };
    settings_.background = Rgba{channel(red), channel(green), channel(blue), 255};
}

void EncoderMovie::GotoFrame(double frame) { timeline_.GotoFrame(frame); }

EncoderObject& EncoderMovie::Holder(swfObject& object, const char* call)
{
    auto* holder = dynamic_cast<EncoderObject*>(&object);
    if (!holder) {
        throw SwfError(std::string(call) + ": the object does not belong to this SWF service");
    }
    return *holder;
}

void EncoderMovie::AddObject(swfObject& object)
{
    EncoderObject& holder = Holder(object, "AddObject");
    const uint32_t index = timeline_.Add(holder.CurrentContent(), holder.Id(), holder.DepthClass(),
                                         holder.Fill(), holder.CurrentMatrix());
    holder.LatestPlacement() = EncoderObject::Link{timeline_.Epoch(), index};
}

void EncoderMovie::RemoveObject(swfObject& object)
{
    EncoderObject& holder = Holder(object, "RemoveObject");
    const EncoderObject::Link& link = holder.LatestPlacement();
    if (link.epoch == timeline_.Epoch()) {
        timeline_.Remove(link.placement);
    }
}

std::vector<uint8_t> EncoderMovie::EncodeMovie() const
{
    return swf::EncodeMovie(settings_, timeline_, PlanDisplay(timeline_));
}

void EncoderMovie::WriteMovie(const std::string& path)
{
    std::vector<uint8_t> bytes = EncodeMovie();
    RequireShowable(bytes);
    WriteFileAtomically(path, bytes);
    written_ = std::move(bytes);
}

}  // namespace glimmora::swf
