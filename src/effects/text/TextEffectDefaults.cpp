#include "effects/text/TextEffectDefaults.h"

namespace glimmora {

const std::vector<std::string>& TextEditorEffectNames()
{
    static const std::vector<std::string> names = {"-- None --", "Come In",   "Come Out", "Fade In",
                                                   "Fade Out",   "Heart Beat", "Kerning",  "Radiation",
                                                   "Rainbow",    "Roll In",    "Rotate"};
    return names;
}

const std::vector<std::string>& TextEditorFontSizes()
{
    static const std::vector<std::string> sizes = {"8",  "9",  "10", "11", "12", "14", "16", "18",
                                                   "20", "22", "24", "26", "28", "36", "48", "72"};
    return sizes;
}

int DefaultTextEffectSpeed(const std::string& effectName, int keep)
{
    if (effectName == "-- None --") return 9;
    if (effectName == "Move") return 239;
    if (effectName == "Rotate") return 49;
    for (const char* name : {"Come In", "Come Out", "Fade In", "Fade Out", "Heart Beat", "Kerning", "Radiation",
                             "Rainbow", "Roll In"}) {
        if (effectName == name) return 24;
    }
    return keep;
}

}  // namespace glimmora
