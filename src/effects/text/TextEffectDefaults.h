#pragma once
// What the text editor offers and the effect length it sets when the effect
// changes.

#include <string>
#include <vector>

namespace glimmora {

// The effect names the text editor offers, "-- None --" first.
const std::vector<std::string>& TextEditorEffectNames();

// The font sizes the text editor offers.
const std::vector<std::string>& TextEditorFontSizes();

// ExSpeed for a newly chosen effect; `keep` for a name of no known length.
int DefaultTextEffectSpeed(const std::string& effectName, int keep);

}  // namespace glimmora
