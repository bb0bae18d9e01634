#include "effects/text/TextFrameStep.h"

#include "effects/text/TextRounding.h"

#include <stdexcept>

namespace glimmora {

namespace {

const SwfHolders& RequireHolders(const GenerationContext& context)
{
    const SwfHolders* holders = context.swf;
    if (holders == nullptr || !holders->movie || !holders->font || !holders->text)
        throw std::logic_error("Text generation without the movie, font and text holders");
    return *holders;
}

}  // namespace

TextRun::TextRun(TFlashText& text, const GenerationContext& context)
    : text_(text),
      movie_(*RequireHolders(context).movie),
      font_(*context.swf->font),
      holder_(*context.swf->text),
      random_(context.random ? context.random : &fallbackRandom_)
{
    c_ = static_cast<double>(text_.FontSize) * 28 / 1024;
    s_ = c_;
    red_ = text_.FontColor & 0xFF;
    green_ = (text_.FontColor >> 8) & 0xFF;
    blue_ = (text_.FontColor >> 16) & 0xFF;
    alpha_ = 255;
    font_.MakeFont(text_.FontName);
}

TextShape TextRun::BeginWholeText()
{
    font_.AddGlyph(text_.FontName, text_.Content, 65);
    holder_.MakeText(U"A", font_);
    holder_.SetDepth(2);
    return TextShape{static_cast<double>(font_.GetTextWidth(text_.FontName, text_.Content)), 0};
}

void TextRun::LayoutLetters() { letters_ = glimmora::LayoutLetters(font_, text_.FontName, text_.Content); }

TextShape TextRun::BeginLetter(int j, bool measureAgain)
{
    TTextUnit& unit = letters_.Units.at(static_cast<size_t>(j));
    holder_.MakeText(std::u32string(1, static_cast<char32_t>(j + 1)), font_);
    holder_.SetDepth(2);
    if (measureAgain) unit.Width = font_.GetTextWidth(text_.FontName, unit.Glyph);
    return TextShape{static_cast<double>(unit.Width), static_cast<double>(unit.Left)};
}

void TextRun::TextFrameStep(const TextShape& shape, int k, int n, double frame, TextOffset offset)
{
    const double w = shape.Width;
    double x = static_cast<double>(text_.PositionX) * 20 - (w - w * c_) / 2 + shape.Left * c_;
    double y = (static_cast<double>(text_.PositionY) + 5) * 20 - (1024 - 1024 * c_) / 2;
    const double steps = n;
    const double done = static_cast<double>(k) + 1;

    movie_.GotoFrame(frame);
    if (k > 0) movie_.RemoveObject(holder_);

    if (text_.ExScale > 0)
        s_ = c_ * text_.ExScale / steps * done;
    else if (text_.ExScale < 0)
        s_ = c_ * (1 - text_.ExScale / steps * (steps - done));
    holder_.Scale(s_ * 65536, s_ * 65536);

    if (text_.ExRotate != 0) holder_.Rotate(text_.ExRotate / steps * done * 65536 * 360);

    if (text_.ExShock != 0) {
        const double d = text_.ExShock / steps * done * 20;
        x += d;
        y += d;
    }

    x += offset.X;
    y += offset.Y;
    holder_.Translate(x, y);

    if (n < text_.ExColor) text_.ExColor = n;
    if (text_.ExColor != 0 && (k + 1) % text_.ExColor == 0) {
        random_->Reseed();
        red_ = random_->Next(255);
        green_ = random_->Next(255);
        blue_ = random_->Next(255);
    }

    if (text_.ExAlpha > 0)
        alpha_ = RoundHalfEven(text_.ExAlpha / steps * done);
    else if (text_.ExAlpha < 0)
        alpha_ = RoundHalfEven(text_.ExAlpha / steps * done + 255);

    holder_.SetSolidFill(red_, green_, blue_, alpha_);
    movie_.AddObject(holder_);
}

void TextRun::RunSteps(const TextShape& shape, int n, const std::function<double(int)>& frameOf,
                       const std::function<TextOffset(int)>& offsetOf)
{
    for (int k = 0; k < n; ++k) TextFrameStep(shape, k, n, frameOf(k), offsetOf ? offsetOf(k) : TextOffset{});
}

void TextRun::RemoveText() { movie_.RemoveObject(holder_); }

}  // namespace glimmora
