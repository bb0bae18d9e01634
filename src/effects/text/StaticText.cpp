#include "effects/text/StaticText.h"

#include "effects/text/TextFrameStep.h"

#include <stdexcept>
#include <string>

namespace glimmora {

namespace {

// An SWF movie holds at most 65535 frames; a longer run is a damaged document.
constexpr int kLongestRun = 65535;

}  // namespace

void PlaceStaticText(TFlashText& text, const GenerationContext& context)
{
    TextRun run(text, context);
    const TextShape shape = run.BeginWholeText();
    if (text.ExSpeed == 0) text.ExSpeed = 9;
    if (text.ExSpeed < 0) return;  // no step, so nothing of this text to take off
    if (text.ExSpeed > kLongestRun)
        throw std::range_error("The text effect length " + std::to_string(text.ExSpeed) + " is out of range");
    const int n = text.ExSpeed + 1;
    const double start = text.StartTime;
    run.RunSteps(shape, n, [start](int k) { return start + k; });
    run.RemoveText();
}

}  // namespace glimmora
