#include "swf/encoder/EncoderObject.h"

#include "swf/encoder/Timeline.h"

#include <algorithm>
#include <cmath>

namespace glimmora::swf {
namespace {

void RequireFinite(std::initializer_list<double> values, const char* call)
{
    for (double v : values) {
        if (!std::isfinite(v)) {
            throw SwfError(std::string(call) + ": an argument is not a finite number");
        }
    }
}

Twips BoxLength(double from, double to)
{
    return Twips(std::clamp(std::nearbyint(std::fabs(to - from)), 0.0, 1073741823.0));
}

// A picture or sound file from the media cache; the part being recorded
// learns what the file gave (nothing when it could not be used).
template <class Result>
std::shared_ptr<const Result> UseMedia(EncoderContext& context, MediaUse::Kind kind, const std::string& file,
                                       std::shared_ptr<const Result> (MediaFileCache::*load)(const std::string&))
{
    std::shared_ptr<const Result> result;
    try {
        result = (context.media.*load)(file);
    } catch (...) {
        if (context.recording) context.recording->UsedMedia({kind, file, nullptr});
        throw;
    }
    if (context.recording) context.recording->UsedMedia({kind, file, result});
    return result;
}

}  // namespace

EncoderObject::EncoderObject(std::shared_ptr<EncoderContext> context)
    : context_(std::move(context)), id_(context_->nextHolderId++)
{
    context_->holders[id_] = this;
}

EncoderObject::~EncoderObject() { context_->holders.erase(id_); }

void EncoderObject::Read(uint8_t fields)
{
    if (context_->recording) context_->recording->Reading(id_, state_, fields);
}

void EncoderObject::Wrote(uint8_t fields)
{
    if (context_->recording) context_->recording->Writing(id_, state_, fields);
}

void EncoderObject::SetDepth(int depthClass)
{
    state_.depthClass = depthClass;
    Wrote(kHolderDepth);
}

void EncoderObject::Replace(std::shared_ptr<const Content> content, uint8_t alsoWritten)
{
    state_.content = std::move(content);
    state_.transform.scaleX = state_.transform.scaleY = 65536;
    state_.transform.angle = 0;
    Wrote(kHolderContent | kHolderScale | kHolderAngle | alsoWritten);
}

void EncoderObject::SetBox(double left, double top, double right, double bottom)
{
    // A rectangle given right-to-left or bottom-to-top is the same rectangle.
    state_.transform.x = std::min(left, right);
    state_.transform.y = std::min(top, bottom);
}

void EncoderObject::MakePicture(double left, double top, double right, double bottom, int, int,
                                const std::string& jpegFile)
{
    RequireFinite({left, top, right, bottom}, "MakePicture");
    // The image's own size is read from the file; the caller's is not needed.
    std::shared_ptr<const BitmapImage> image =
        UseMedia(*context_, MediaUse::Kind::Picture, jpegFile, &MediaFileCache::Picture);
    SetBox(left, top, right, bottom);
    Replace(context_->contents.Picture(std::move(image), BoxLength(left, right), BoxLength(top, bottom)),
            kHolderPosition);
}

void EncoderObject::MakeRectangle(double left, double top, double right, double bottom)
{
    RequireFinite({left, top, right, bottom}, "MakeRectangle");
    SetBox(left, top, right, bottom);
    Replace(context_->contents.Rectangle(BoxLength(left, right), BoxLength(top, bottom)), kHolderPosition);
}

void EncoderObject::MakeSound(const std::string& waveFile)
{
    std::shared_ptr<const WaveSound> sound = UseMedia(*context_, MediaUse::Kind::Sound, waveFile, &MediaFileCache::Sound);
    Replace(context_->contents.Sound(std::move(sound)));
}

void EncoderObject::MakeFont(const std::string& fontName)
{
    state_.fontFamily = fontName;
    state_.glyphs.clear();
    Replace(nullptr, kHolderFont);
}

void EncoderObject::AddGlyph(const std::string& fontName, const std::u32string& text, int code)
{
    auto glyph = context_->glyphs.Glyph(fontName, text);
    Read(kHolderFont);
    state_.glyphs[code] = std::move(glyph);
    Wrote(kHolderFont);
}

int EncoderObject::GetTextWidth(const std::string& fontName, const std::u32string& text)
{
    return context_->glyphs.Glyph(fontName, text)->advance;
}

void EncoderObject::MakeText(const std::u32string& codes, swfObject& fontHolder)
{
    auto* font = dynamic_cast<EncoderObject*>(&fontHolder);
    if (!font) {
        throw SwfError("MakeText: the font holder does not belong to this SWF service");
    }
    font->Read(kHolderFont);
    sequence_.clear();
    for (char32_t code : codes) {
        auto found = font->state_.glyphs.find(int(code));
        if (found == font->state_.glyphs.end()) {
            throw SwfError("MakeText: character code " + std::to_string(uint32_t(code)) +
                           " has no glyph in the font \"" + font->state_.fontFamily + "\"");
        }
        sequence_.push_back(found->second);
    }
    const int32_t baseline = context_->glyphs.BaselineOffset(font->state_.fontFamily);
    Replace(context_->contents.Text(font->state_.fontFamily, baseline, sequence_));
}

void EncoderObject::Scale(double x, double y)
{
    RequireFinite({x, y}, "Scale");
    state_.transform.scaleX = x;
    state_.transform.scaleY = y;
    Wrote(kHolderScale);
}

void EncoderObject::Rotate(double angle)
{
    RequireFinite({angle}, "Rotate");
    state_.transform.angle = angle;
    Wrote(kHolderAngle);
}

void EncoderObject::Translate(double x, double y)
{
    RequireFinite({x, y}, "Translate");
    state_.transform.x = x;
    state_.transform.y = y;
    Wrote(kHolderPosition);
}

void EncoderObject::SetSolidFill(int red, int green, int blue, int alpha)
{
    auto channel = [](int v) { return uint8_t(std::clamp(v, 0, 255)); };
    state_.fill = Rgba{channel(red), channel(green), channel(blue), channel(alpha)};
    Wrote(kHolderFill);
}

Affine EncoderObject::CurrentMatrix() const
{
    const double width = state_.content ? state_.content->width : 0;
    const double height = state_.content ? state_.content->height : 0;
    return PlacedMatrix(state_.transform, width, height);
}

}  // namespace glimmora::swf
