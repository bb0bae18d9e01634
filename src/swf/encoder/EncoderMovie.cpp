#include "swf/encoder/EncoderMovie.h"

#include "swf/encoder/AtomicFile.h"
#include "swf/encoder/EncoderObject.h"
#include "swf/encoder/ShowableMovie.h"

#include <algorithm>

namespace glimmora::swf {

EncoderMovie::EncoderMovie(std::shared_ptr<EncoderContext> context) : context_(std::move(context))
{
}

EncoderMovie::~EncoderMovie() { StopRecording(); }

void EncoderMovie::StopRecording()
{
    if (context_->recording == &timeline_) context_->recording = nullptr;
}

void EncoderMovie::SetSize(int widthTwips, int heightTwips)
{
    settings_.width = std::clamp(widthTwips, 0, (1 << 30) - 1);
    settings_.height = std::clamp(heightTwips, 0, (1 << 30) - 1);
    StopRecording();
    timeline_.Clear();
    context_->glyphs.NextBuild();
    // A new movie: parts that neither of the last two made or reused go.
    ++build_;
    std::erase_if(kept_, [this](const auto& entry) { return entry.second.build + 2 < build_; });
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

HolderState* EncoderMovie::HolderById(uint32_t id) const
{
    auto found = context_->holders.find(id);
    return found == context_->holders.end() ? nullptr : &found->second->State();
}

void EncoderMovie::AddObject(swfObject& object)
{
    EncoderObject& holder = Holder(object, "AddObject");
    timeline_.Add(holder.Id(), holder.State(), holder.CurrentMatrix());
}

void EncoderMovie::RemoveObject(swfObject& object)
{
    EncoderObject& holder = Holder(object, "RemoveObject");
    timeline_.Remove(holder.Id(), holder.State());
}

void EncoderMovie::BeginPart(const std::string& key)
{
    timeline_.BeginPart(key);
    context_->recording = &timeline_;
}

void EncoderMovie::EndPart(const std::string& note)
{
    std::shared_ptr<const TimelinePart> part = timeline_.EndPart();
    StopRecording();
    if (!part || part->key.empty()) return;
    const std::string key = part->key;
    kept_[key] = Kept{std::move(part), note, build_};
}

bool EncoderMovie::MediaUnchanged(const TimelinePart& part) const
{
    for (const MediaUse& use : part.media) {
        std::shared_ptr<const void> now;
        try {
            if (use.kind == MediaUse::Kind::Picture)
                now = context_->media.Picture(use.path);
            else
                now = context_->media.Sound(use.path);
        } catch (const std::exception&) {
            // still unusable: the same as before only if it was then
        }
        if (now != use.result) return false;
    }
    return true;
}

bool EncoderMovie::ReusePart(const std::string& key, std::string* note)
{
    if (timeline_.Recording()) return false;
    auto found = kept_.find(key);
    if (found == kept_.end()) return false;
    const auto lookup = [this](uint32_t id) { return HolderById(id); };
    const TimelinePart& part = *found->second.part;
    if (!timeline_.CanReplay(part, lookup) || !MediaUnchanged(part)) return false;
    timeline_.Replay(found->second.part, lookup);
    found->second.build = build_;
    if (note) *note = found->second.note;
    return true;
}

std::vector<uint8_t> EncoderMovie::EncodeMovie() const { return swf::EncodeMovie(settings_, timeline_, scratch_).bytes; }

void EncoderMovie::WriteMovie(const std::string& path)
{
    EncodedMovie movie = swf::EncodeMovie(settings_, timeline_, scratch_);
    RequireShowable(movie.bytes, movie.records);
    WriteFileAtomically(path, movie.bytes);
    written_ = std::move(movie.bytes);
    writtenRecords_ = movie.records;
}

}  // namespace glimmora::swf
