#include "document/Base64.h"

#include <array>
#include <cstdint>

namespace glimmora {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<int8_t, 256> ValueTable()
{
    std::array<int8_t, 256> values{};
    values.fill(-1);
    for (int i = 0; i < 64; ++i) values[static_cast<uint8_t>(kAlphabet[i])] = int8_t(i);
    return values;
}

constexpr std::array<int8_t, 256> kValues = ValueTable();

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string EncodeBase64(std::string_view bytes)
{
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const uint32_t group = uint32_t(uint8_t(bytes[i])) << 16 | uint32_t(uint8_t(bytes[i + 1])) << 8 |
                               uint32_t(uint8_t(bytes[i + 2]));
        for (int shift = 18; shift >= 0; shift -= 6) text += kAlphabet[(group >> shift) & 63];
    }
    const size_t left = bytes.size() - i;
    if (left > 0) {
        uint32_t group = uint32_t(uint8_t(bytes[i])) << 16;
        if (left == 2) group |= uint32_t(uint8_t(bytes[i + 1])) << 8;
        text += kAlphabet[(group >> 18) & 63];
        text += kAlphabet[(group >> 12) & 63];
        text += left == 2 ? kAlphabet[(group >> 6) & 63] : '=';
        text += '=';
    }
    return text;
}

std::optional<std::string> DecodeBase64(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3);
    uint32_t group = 0;
    int count = 0;    // characters of the current group
    int padding = 0;  // '=' in it: only at the end of the last group
    size_t i = 0;
    for (; i < text.size() && !(count == 0 && padding > 0); ++i) {
        const char c = text[i];
        if (IsBlank(c)) continue;
        if (c == '=') {
            if (count < 2) return std::nullopt;
            ++padding;
            group <<= 6;
        } else {
            const int value = kValues[static_cast<uint8_t>(c)];
            if (value < 0 || padding > 0) return std::nullopt;
            group = group << 6 | uint32_t(value);
        }
        if (++count < 4) continue;
        bytes += char(group >> 16);
        if (padding < 2) bytes += char(group >> 8);
        if (padding < 1) bytes += char(group);
        group = 0;
        count = 0;
    }
    if (count != 0) return std::nullopt;
    for (; i < text.size(); ++i)  // nothing but blanks after the padding
        if (!IsBlank(text[i])) return std::nullopt;
    return bytes;
}

}  // namespace glimmora
