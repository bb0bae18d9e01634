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

int ParseIntegerText(std::string_view text)
{
    if (auto value = TryParseIntegerText(text))
        return *value;
    ThrowNotAnInteger(text);
}

void ThrowNotAnInteger(std::string_view text)
{
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace glimmora
