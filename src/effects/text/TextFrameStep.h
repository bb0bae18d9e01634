#pragma once
// One run of a text effect: the set-up shared by every effect, the whole-text
// and letter modes, the placement of the shape and the frame step that every
// effect repeats once per frame.

#include "effects/text/TextUnit.h"
#include "objects/GenerationContext.h"
#include "objects/TFlashText.h"

#include <functional>

namespace glimmora {

// The shape being placed: the whole text (Left 0) or one letter.
struct TextShape {
    double Width = 0;  // advance width in 1024ths of an em
    double Left = 0;   // the letter's advance position; 0 for the whole text
};

// An effect's own offset at sub-step 6, in twips.
struct TextOffset {
    double X = 0;
    double Y = 0;
};

class TextRun {
public:
    // The set-up: base scale c = FontSize x 28 / 1024, current scale c, the
    // colour of FontColor at alpha 255, then MakeFont on the font holder.
    TextRun(TFlashText& text, const GenerationContext& context);

    TFlashText& Text() { return text_; }

    // Whole-text mode: glyph 65 becomes the whole content, the text holder
    // shows it at depth class 2; returns its shape (the measured width).
    TextShape BeginWholeText();

    // Letter mode: fills the letter table, then per letter shows glyph j + 1
    // at depth class 2 (measuring it again where the effect says so).
    void LayoutLetters();
    int LetterCount() const { return static_cast<int>(letters_.Units.size()); }
    TextShape BeginLetter(int j, bool measureAgain);

    // Step k of a run of n steps at `frame` (passed to GotoFrame unrounded).
    void TextFrameStep(const TextShape& shape, int k, int n, double frame, TextOffset offset = {});

    // Steps k = 0 .. n - 1 at frameOf(k), with offsetOf(k) where given.
    void RunSteps(const TextShape& shape, int n, const std::function<double(int)>& frameOf,
                  const std::function<TextOffset(int)>& offsetOf = {});

    // RemoveObject (text holder) at the current frame.
    void RemoveText();

private:
    TFlashText& text_;
    swfMovie& movie_;
    swfObject& font_;
    swfObject& holder_;
    ClockRandomSource fallbackRandom_;  // when the context brings no random source
    IRandomSource* random_;
    TLetterTable letters_;
    double c_ = 0;  // base scale
    double s_ = 0;  // current scale
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    int alpha_ = 255;
};

}  // namespace glimmora
