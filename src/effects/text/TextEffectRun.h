#pragma once
// The frames a text effect plays over, worked out from its name, start frame,
// speed and letter count without generating anything: what the timeline panel
// draws inside an object's bar.

#include <optional>
#include <string>

namespace glimmora {

struct TextEffectSpan {
    int first = 0;  // the frame of the first step
    int last = 0;   // the frame of the last step (of the last letter)
    // The last placement stays on the stage to the end of the movie (no
    // removal after the last step).
    bool staysOnStage = false;
};

// The span of `effectName` for a text of `letters` characters starting at
// `startTime`; `exSpeed` matters to the static text ("-- None --") only,
// every other effect fixes its own length. Nothing for a name that is not a
// text effect or an empty text, which generate nothing.
std::optional<TextEffectSpan> TextEffectRun(const std::string& effectName, int startTime, int exSpeed,
                                            int letters);

}  // namespace glimmora
