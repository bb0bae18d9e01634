#pragma once
// Integer text of the movie document: a signed decimal integer that fits in
// 32 bits, written without blanks ("12", "-7", "+5").

#include <optional>
#include <string_view>

namespace glimmora {

// The value, or nothing when the text is empty, has blanks or other
// characters, or does not fit in an int.
std::optional<int> TryParseIntegerText(std::string_view text);

// As above; throws ConversionError "'<text>' is not a valid integer value",
// or "<element>: '<text>' is not a valid integer value" when `element` names
// the element the text came from.
int ParseIntegerText(std::string_view text, std::string_view element = {});

// The ConversionError that both integer and colour readers raise. A long text
// is shown by its start.
[[noreturn]] void ThrowNotAnInteger(std::string_view text, std::string_view element = {});

}  // namespace glimmora
