#include "effects/text/TextEffects.h"

#include "effects/text/AnimatedEffects.h"
#include "effects/text/EntranceExitEffects.h"
#include "effects/text/StaticText.h"

#include <string_view>

namespace glimmora {

namespace {

// The longest content that is generated; longer texts are skipped.
constexpr size_t kLongestContent = 127;

using TextEffect = void (*)(TextRun&);

struct NamedEffect {
    std::string_view name;
    TextEffect run;
};

constexpr NamedEffect kEffects[] = {
    {"Come In", ComeIn},       {"Come Out", ComeOut},   {"Fade In", FadeIn},       {"Fade Out", FadeOut},
    {"Move", Move},            {"Roll In", RollIn},     {"Heart Beat", HeartBeat}, {"Kerning", Kerning},
    {"Radiation", Radiation},  {"Rainbow", Rainbow},    {"Rotate", Rotate},        {"Sin", Sin},
};

}  // namespace

void RunTextEffect(TFlashText& text, const GenerationContext& context)
{
    if (text.Content.empty() || text.Content.size() > kLongestContent) return;
    if (text.EffectName == "-- None --") {
        PlaceStaticText(text, context);
        return;
    }
    for (const NamedEffect& effect : kEffects) {
        if (text.EffectName == effect.name) {
            TextRun run(text, context);
            effect.run(run);
            return;
        }
    }
    // Any other name, a picture effect's included, generates nothing.
}

}  // namespace glimmora
