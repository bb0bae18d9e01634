#include "generation/Utf8Text.h"

namespace glimmora {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::u32string DecodeUtf8(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out += char32_t(lead);
            ++i;
            continue;
        }
        int length = 0;
        char32_t value = 0;
        char32_t minimum = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2, value = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, value = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, value = lead & 0x07, minimum = 0x10000;
        } else {
            out += kReplacement;  // a continuation byte without a lead, or 0xF8..0xFF
            ++i;
            continue;
        }
        int taken = 1;
        while (taken < length && i + taken < text.size() &&
               IsContinuation(static_cast<unsigned char>(text[i + taken]))) {
            value = (value << 6) | (static_cast<unsigned char>(text[i + taken]) & 0x3F);
            ++taken;
        }
        i += taken;
        const bool complete = taken == length;
        const bool valid = complete && value >= minimum && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
        out += valid ? value : kReplacement;
    }
    return out;
}

std::string EncodeUtf8(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace glimmora
