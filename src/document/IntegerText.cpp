#include "document/IntegerText.h"

#include "document/ConversionError.h"

#include <cstdint>
#include <string>

namespace glimmora {

std::optional<int> TryParseIntegerText(std::string_view text)
{
    std::size_t pos = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        pos = 1;
    }
    if (pos == text.size())
        return std::nullopt;

    // One past INT32_MAX is the largest magnitude any valid text can have.
    constexpr std::int64_t kLimit = std::int64_t{INT32_MAX} + 1;
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kLimit)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

int ParseIntegerText(std::string_view text, std::string_view element)
{
    if (auto value = TryParseIntegerText(text))
        return *value;
    ThrowNotAnInteger(text, element);
}

void ThrowNotAnInteger(std::string_view text, std::string_view element)
{
    constexpr std::size_t kShown = 40;
    std::string shown(text.substr(0, kShown));
    if (text.size() > kShown)
        shown += "...";
    std::string message = element.empty() ? std::string() : std::string(element) + ": ";
    throw ConversionError(message + "'" + shown + "' is not a valid integer value");
}

}  // namespace glimmora
