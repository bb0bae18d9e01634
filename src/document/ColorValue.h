#pragma once
// Colour values: a 24-bit colour in an integer, bits 0-7 red, 8-15 green,
// 16-23 blue, written as integer text in decimal or "$" hexadecimal.

#include <string>
#include <string_view>

namespace glimmora {

// Decimal ("16711680", "-5") or "$" hexadecimal ("$FF0000"); throws
// ConversionError for anything else, the empty text included; `element`, when
// given, names the element the text came from in the message.
int ParseColorValue(std::string_view text, std::string_view element = {});

// Like ParseColorValue, but unreadable text gives `fallback`.
int ParseColorValueOr(std::string_view text, int fallback);

inline int RedOf(int color) { return color & 0xFF; }
inline int GreenOf(int color) { return (color >> 8) & 0xFF; }
inline int BlueOf(int color) { return (color >> 16) & 0xFF; }

}  // namespace glimmora
