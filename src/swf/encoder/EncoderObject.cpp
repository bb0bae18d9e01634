#include "swf/encoder/EncoderObject.h"

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

}  // namespace

EncoderObject::EncoderObject(std::shared_ptr<EncoderContext> context)
    : context_(std::move(context)), id_(context_->nextHolderId++)
{
}

void EncoderObject::SetDepth(int depthClass) { depthClass_ = depthClass; }

void EncoderObject::Replace(std::shared_ptr<const Content> content)
{
    content_ = std::move(content);
    transform_.scaleX = transform_.scaleY = 65536;
    transform_.angle = 0;
}

void EncoderObject::SetBox(double left, double top, double right, double bottom)
{
    // A rectangle given right-to-left or bottom-to-top is the same rectangle.
    transform_.x = std::min(left, right);
    transform_.y = std::min(top, bottom);
}

void EncoderObject::MakePicture(double left, double top, double right, double bottom, int, int,
                                const std::string& jpegFile)
{
    RequireFinite({left, top, right, bottom}, "MakePicture");
    // The image's own size is read from the file; the caller's is not needed.
    auto image = context_->media.Picture(jpegFile);
    Replace(context_->contents.Picture(std::move(image), BoxLength(left, right),
                                       BoxLength(top, bottom)));
    SetBox(left, top, right, bottom);
}

void EncoderObject::MakeRectangle(double left, double top, double right, double bottom)
{
    RequireFinite({left, top, right, bottom}, "MakeRectangle");
    Replace(context_->contents.Rectangle(BoxLength(left, right), BoxLength(top, bottom)));
    SetBox(left, top, right, bottom);
}

void EncoderObject::MakeSound(const std::string& waveFile)
{
    Replace(context_->contents.Sound(context_->media.Sound(waveFile)));
}

void EncoderObject::MakeFont(const std::string& fontName)
{
    Replace(nullptr);
    fontFamily_ = fontName;
    glyphs_.clear();
}

void EncoderObject::AddGlyph(const std::string& fontName, const std::u32string& text, int code)
{
    glyphs_[code] = context_->glyphs.Glyph(fontName, text);
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
    sequence_.clear();
    for (char32_t code : codes) {
        auto found = font->glyphs_.find(int(code));
        if (found == font->glyphs_.end()) {
            throw SwfError("MakeText: character code " + std::to_string(uint32_t(code)) +
                           " has no glyph in the font \"" + font->fontFamily_ + "\"");
        }
        sequence_.push_back(found->second);
    }
    const int32_t baseline = context_->glyphs.BaselineOffset(font->fontFamily_);
    Replace(context_->contents.Text(font->fontFamily_, baseline, sequence_));
}

void EncoderObject::Scale(double x, double y)
{
    RequireFinite({x, y}, "Scale");
    transform_.scaleX = x;
    transform_.scaleY = y;
}

void EncoderObject::Rotate(double angle)
{
    RequireFinite({angle}, "Rotate");
    transform_.angle = angle;
}

void EncoderObject::Translate(double x, double y)
{
    RequireFinite({x, y}, "Translate");
    transform_.x = x;
    transform_.y = y;
}

void EncoderObject::SetSolidFill(int red, int green, int blue, int alpha)
{
    auto channel = [](int v) { return uint8_t(std::clamp(v, 0, 255)); };
    fill_ = Rgba{channel(red), channel(green), channel(blue), channel(alpha)};
}

Affine EncoderObject::CurrentMatrix() const
{
    const double width = content_ ? content_->width : 0;
    const double height = content_ ? content_->height : 0;
    return PlacedMatrix(transform_, width, height);
}

}  // namespace glimmora::swf
