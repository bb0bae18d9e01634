#include "document/ColorValue.h"

#include "document/ConversionError.h"
#include "document/IntegerText.h"

#include <cstdint>
#include <optional>

namespace glimmora {

namespace {

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "$" and at least one hex digit; the value must fit in 32 bits and keeps its
// bit pattern ("$FFFFFFFF" is -1), as integer text always did.
std::optional<int> TryParseHexColor(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = HexDigitValue(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + static_cast<unsigned>(d);
        if (value > UINT32_MAX)
            return std::nullopt;
    }
    return static_cast<int>(static_cast<std::uint32_t>(value));
}

std::optional<int> TryParseColorValue(std::string_view text)
{
    if (!text.empty() && text[0] == '$')
        return TryParseHexColor(text.substr(1));
    return TryParseIntegerText(text);
}

}  // namespace

int ParseColorValue(std::string_view text, std::string_view element)
{
    if (auto value = TryParseColorValue(text))
        return *value;
    ThrowNotAnInteger(text, element);
}

int ParseColorValueOr(std::string_view text, int fallback)
{
    return TryParseColorValue(text).value_or(fallback);
}

}  // namespace glimmora
