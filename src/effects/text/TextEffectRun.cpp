#include "effects/text/TextEffectRun.h"

#include "effects/text/TextRounding.h"

#include <string_view>

namespace glimmora {

namespace {

// Steps of each letter (or of the whole text), the frames between the
// starts of two letters, and whether the last step is removed.
struct RunShape {
    std::string_view name;
    int steps;
    double letterSpacing;  // 0: every letter starts at StartTime
    bool removedAtEnd;
};

constexpr RunShape kRuns[] = {
    {"Come In", 25, 25 * 0.25, false},  {"Come Out", 25, 25 * 0.25, false}, {"Fade In", 25, 0, true},
    {"Fade Out", 25, 0, true},          {"Move", 240, 0, true},             {"Roll In", 25, 15 * 0.85, false},
    {"Heart Beat", 25, 0, false},       {"Kerning", 25, 0, false},          {"Radiation", 25, 0, true},
    {"Rainbow", 25, 0, false},          {"Rotate", 50, 0, false},           {"Sin", 241, 0, false},
};

}  // namespace

std::optional<TextEffectSpan> TextEffectRun(const std::string& effectName, int startTime, int exSpeed, int letters)
{
    if (letters <= 0) return std::nullopt;
    if (effectName == "-- None --") {
        const int speed = exSpeed == 0 ? 9 : exSpeed;
        return TextEffectSpan{startTime, startTime + speed, false};
    }
    for (const RunShape& run : kRuns) {
        if (effectName != run.name) continue;
        const double lastStart = startTime + run.letterSpacing * (letters - 1);
        return TextEffectSpan{startTime, RoundHalfEven(lastStart + run.steps - 1), !run.removedAtEnd};
    }
    return std::nullopt;
}

}  // namespace glimmora
