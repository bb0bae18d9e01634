#pragma once
// The text form of the preview's background override: "#RRGGBB" (the "#"
// may be left out), hexadecimal, as web colours are written. Values are
// colour values with red in bits 0-7 and blue in bits 16-23.

#include <QString>

#include <optional>

namespace glimmora {

// Nothing for text that is not six hexadecimal digits.
std::optional<int> ParseBgColorText(const QString& text);
QString FormatBgColorText(int colorValue);

}  // namespace glimmora
