#include "effects/text/TextEffects.h"

#include "effects/text/AnimatedEffects.h"
#include "effects/text/EntranceExitEffects.h"
#include "effects/text/StaticText.h"

#include <string>
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

const NamedEffect* FindEffect(const std::string& name)
{
    for (const NamedEffect& effect : kEffects)
        if (name == effect.name) return &effect;
    return nullptr;
}

constexpr std::string_view kStillText = "-- None --";

}  // namespace

std::optional<std::string> TextNotShownReason(const std::u32string& content, const std::string& effectName)
{
    if (content.empty()) return std::nullopt;
    if (content.size() > kLongestContent)
        return "Texts longer than " + std::to_string(kLongestContent) + " characters are not shown";
    if (effectName != "-- None --" && !FindEffect(effectName))
        return "The effect \"" + effectName + "\" is not a text effect, so the text is not shown";
    return std::nullopt;
}

const std::vector<std::string>& TextEffectNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all{std::string(kStillText)};
        for (const NamedEffect& effect : kEffects) all.emplace_back(effect.name);
        return all;
    }();
    return names;
}

void RunTextEffect(TFlashText& text, const GenerationContext& context)
{
    if (text.Content.empty()) return;
    if (auto reason = TextNotShownReason(text.Content, text.EffectName)) {
        if (context.errors) context.errors->NoteNotShown({text.ObjName, *reason, {}});
        return;
    }
    if (text.EffectName == "-- None --") {
        PlaceStaticText(text, context);
        return;
    }
    TextRun run(text, context);
    FindEffect(text.EffectName)->run(run);
}

}  // namespace glimmora
