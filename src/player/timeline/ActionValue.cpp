#include "player/timeline/ActionValue.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace glimmora::player {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A string as a number: decimal (with fraction and exponent) or 0x hex,
// blanks around it allowed; anything else is NaN.
double ParseNumber(const std::string& text, uint8_t swfVersion)
{
    size_t begin = 0, end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
    if (begin == end) return swfVersion >= 5 ? kNaN : 0;
    const std::string body = text.substr(begin, end - begin);
    if (body.size() > 2 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) {
        char* stop = nullptr;
        const long long value = std::strtoll(body.c_str() + 2, &stop, 16);
        return *stop == '\0' ? double(value) : kNaN;
    }
    if (body == "Infinity" || body == "+Infinity") return std::numeric_limits<double>::infinity();
    if (body == "-Infinity") return -std::numeric_limits<double>::infinity();
    char* stop = nullptr;
    const double value = std::strtod(body.c_str(), &stop);
    // strtod reads "inf" and "nan", which the player does not.
    if (*stop != '\0' || std::isinf(value) || std::isnan(value)) return kNaN;
    return value;
}

}  // namespace

double ToNumber(const ActionValue& value, uint8_t swfVersion)
{
    switch (value.type) {
    case ActionValue::Type::Undefined:
    case ActionValue::Type::Null: return swfVersion >= 7 ? kNaN : 0;
    case ActionValue::Type::Boolean:
    case ActionValue::Type::Number: return value.number;
    case ActionValue::Type::String: return ParseNumber(value.text, swfVersion);
    case ActionValue::Type::Clip: return kNaN;
    }
    return kNaN;
}

std::string NumberToString(double number)
{
    if (std::isnan(number)) return "NaN";
    if (std::isinf(number)) return number > 0 ? "Infinity" : "-Infinity";
    if (number == 0) return "0";
    if (std::trunc(number) == number && std::abs(number) < 1e15) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.0f", number);
        return buffer;
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", number);
    std::string text = buffer;
    // "1e+21" as the player writes it, not "1e+021".
    const size_t e = text.find('e');
    if (e != std::string::npos) {
        size_t digits = e + 2;
        while (digits + 1 < text.size() && text[digits] == '0') text.erase(digits, 1);
    }
    return text;
}

std::string ToString(const ActionValue& value, uint8_t swfVersion, const std::string& clipPath)
{
    switch (value.type) {
    case ActionValue::Type::Undefined: return swfVersion >= 7 ? "undefined" : "";
    case ActionValue::Type::Null: return "null";
    case ActionValue::Type::Boolean:
        if (swfVersion < 5) return value.number != 0 ? "1" : "0";
        return value.number != 0 ? "true" : "false";
    case ActionValue::Type::Number: return NumberToString(value.number);
    case ActionValue::Type::String: return value.text;
    case ActionValue::Type::Clip: return clipPath;
    }
    return {};
}

bool ToBoolean(const ActionValue& value, uint8_t swfVersion)
{
    switch (value.type) {
    case ActionValue::Type::Undefined:
    case ActionValue::Type::Null: return false;
    case ActionValue::Type::Boolean:
    case ActionValue::Type::Number: return value.number != 0 && !std::isnan(value.number);
    case ActionValue::Type::String:
        if (swfVersion >= 7) return !value.text.empty();
        {
            const double n = ParseNumber(value.text, swfVersion);
            return n != 0 && !std::isnan(n);
        }
    case ActionValue::Type::Clip: return true;
    }
    return false;
}

int32_t ToInt32(double number)
{
    if (std::isnan(number) || std::isinf(number)) return 0;
    const double wrapped = std::fmod(std::trunc(number), 4294967296.0);
    return int32_t(uint32_t(int64_t(wrapped < 0 ? wrapped + 4294967296.0 : wrapped)));
}

bool StrictlyEqual(const ActionValue& a, const ActionValue& b)
{
    if (a.type != b.type) return false;
    switch (a.type) {
    case ActionValue::Type::Undefined:
    case ActionValue::Type::Null: return true;
    case ActionValue::Type::Boolean:
    case ActionValue::Type::Number: return a.number == b.number;
    case ActionValue::Type::String: return a.text == b.text;
    case ActionValue::Type::Clip: return a.clip == b.clip;
    }
    return false;
}

bool LooselyEqual(const ActionValue& a, const ActionValue& b, uint8_t swfVersion)
{
    using Type = ActionValue::Type;
    if (a.type == b.type) return StrictlyEqual(a, b);
    const bool aNothing = a.type == Type::Undefined || a.type == Type::Null;
    const bool bNothing = b.type == Type::Undefined || b.type == Type::Null;
    if (aNothing || bNothing) return aNothing && bNothing;
    if (a.type == Type::Clip || b.type == Type::Clip) return false;
    return ToNumber(a, swfVersion) == ToNumber(b, swfVersion);
}

ActionValue LessThan(const ActionValue& a, const ActionValue& b, uint8_t swfVersion)
{
    if (a.type == ActionValue::Type::String && b.type == ActionValue::Type::String) {
        return ActionValue::Boolean(a.text < b.text);
    }
    const double x = ToNumber(a, swfVersion), y = ToNumber(b, swfVersion);
    if (std::isnan(x) || std::isnan(y)) return ActionValue::Undefined();
    return ActionValue::Boolean(x < y);
}

}  // namespace glimmora::player
