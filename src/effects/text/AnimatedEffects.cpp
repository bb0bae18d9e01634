#include "effects/text/AnimatedEffects.h"

#include "effects/text/TextRounding.h"

#include <cmath>

namespace glimmora {

namespace {

// Each letter's run of n steps at StartTime + k, all letters on the same frames.
void LettersTogether(TextRun& run, int n, const std::function<TextOffset(int j, int k)>& offsetOf = {})
{
    const double start = run.Text().StartTime;
    run.LayoutLetters();
    for (int j = 0; j < run.LetterCount(); ++j) {
        const TextShape shape = run.BeginLetter(j, true);
        std::function<TextOffset(int)> offset;
        if (offsetOf) offset = [&offsetOf, j](int k) { return offsetOf(j, k); };
        run.RunSteps(shape, n, [start](int k) { return start + k; }, offset);
    }
}

}  // namespace

void HeartBeat(TextRun& run)
{
    TFlashText& text = run.Text();
    text.ExSpeed = 24;
    const int half = RoundHalfEven(text.ExSpeed / 2.0);
    const int n = half + 1;
    const double start = text.StartTime;
    run.LayoutLetters();
    for (int j = 0; j < run.LetterCount(); ++j) {
        const TextShape shape = run.BeginLetter(j, true);
        text.ExScale = 2;
        run.RunSteps(shape, n, [start](int k) { return start + k; });
        // Takes the first run's last placement away; the second run's step 0
        // removes nothing, as every step 0.
        run.RemoveText();
        text.ExScale = -2;
        run.RunSteps(shape, n, [start, half](int k) { return start + half + k; });
    }
}

void Kerning(TextRun& run)
{
    run.Text().ExSpeed = 24;
    run.Text().ExAlpha = 255;
    LettersTogether(run, run.Text().ExSpeed + 1, [](int j, int k) { return TextOffset{20.0 * k * j, 0}; });
}

void Radiation(TextRun& run)
{
    TFlashText& text = run.Text();
    text.ExSpeed = 24;
    text.ExScale = 2;
    text.ExAlpha = -255;
    const double start = text.StartTime;
    const TextShape shape = run.BeginWholeText();
    run.RunSteps(shape, text.ExSpeed + 1, [start](int k) { return start + k; });
    run.RemoveText();
}

void Rainbow(TextRun& run)
{
    run.Text().ExSpeed = 24;
    run.Text().ExColor = 1;
    LettersTogether(run, run.Text().ExSpeed + 1);
}

void Rotate(TextRun& run)
{
    TFlashText& text = run.Text();
    text.ExSpeed = 49;
    text.ExScale = -4;
    text.ExRotate = 2;
    text.ExAlpha = 255;
    const double start = text.StartTime;
    const TextShape shape = run.BeginWholeText();
    run.RunSteps(shape, text.ExSpeed + 1, [start](int k) { return start + k; });
}

void Sin(TextRun& run)
{
    run.Text().ExSpeed = 240;
    const int n = run.Text().ExSpeed + 1;
    LettersTogether(run, n, [n](int, int k) {
        const double r = RoundHalfEven(300 * std::sin(100.0 / n * (k + 1)));
        return TextOffset{r, r};
    });
}

}  // namespace glimmora
