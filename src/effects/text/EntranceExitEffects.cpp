#include "effects/text/EntranceExitEffects.h"

namespace glimmora {

namespace {

// Each letter's run of n steps at StartTime + k + j x stagger.
void StaggeredLetters(TextRun& run, int n, double stagger, bool measureAgain,
                      const std::function<TextOffset(int)>& offsetOf = {})
{
    const double start = run.Text().StartTime;
    run.LayoutLetters();
    for (int j = 0; j < run.LetterCount(); ++j) {
        const TextShape shape = run.BeginLetter(j, measureAgain);
        run.RunSteps(shape, n, [start, j, stagger](int k) { return start + k + j * stagger; }, offsetOf);
    }
}

// The whole text for n steps from StartTime, taken off in the last step's frame.
void WholeTextThenRemove(TextRun& run, int n, const std::function<TextOffset(int)>& offsetOf = {})
{
    const double start = run.Text().StartTime;
    const TextShape shape = run.BeginWholeText();
    run.RunSteps(shape, n, [start](int k) { return start + k; }, offsetOf);
    run.RemoveText();
}

void ComeInOrOut(TextRun& run, int scale, int alpha)
{
    TFlashText& text = run.Text();
    text.ExSpeed = 24;
    text.ExScale = scale;
    text.ExAlpha = alpha;
    const int n = text.ExSpeed + 1;
    StaggeredLetters(run, n, n * 0.25, false);
}

}  // namespace

void ComeIn(TextRun& run) { ComeInOrOut(run, -3, 255); }

void ComeOut(TextRun& run) { ComeInOrOut(run, 3, -255); }

void FadeIn(TextRun& run)
{
    run.Text().ExSpeed = 24;
    run.Text().ExAlpha = 255;
    WholeTextThenRemove(run, run.Text().ExSpeed + 1);
}

void FadeOut(TextRun& run)
{
    run.Text().ExSpeed = 24;
    run.Text().ExAlpha = -255;
    WholeTextThenRemove(run, run.Text().ExSpeed + 1);
}

void Move(TextRun& run)
{
    run.Text().ExSpeed = 239;
    WholeTextThenRemove(run, run.Text().ExSpeed + 1, [](int k) { return TextOffset{400.0 * 10 - 50.0 * k, 0}; });
}

void RollIn(TextRun& run)
{
    run.Text().ExSpeed = 24;
    StaggeredLetters(run, run.Text().ExSpeed + 1, 15 * 0.85, true,
                     [](int k) { return TextOffset{300.0 * 2 - 50.0 * k, 0}; });
}

}  // namespace glimmora
