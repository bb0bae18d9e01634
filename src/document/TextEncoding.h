#pragma once
// Project files in character sets other than Unicode ("GB2312", "GBK",
// "windows-1252", ...): conversion to and from UTF-8 through the system's
// iconv, never replacing a character that does not convert.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace glimmora {

// Whether iconv converts between `charset` and UTF-8 both ways.
bool CharsetKnown(const std::string& charset);

// Whether `name` is a Unicode encoding name ("UTF-8", "utf16", "UCS-2", ...),
// and whether it is one of UTF-8's ("UTF-8", "utf8").
bool IsUnicodeName(std::string_view name);
bool IsUtf8Name(std::string_view name);

struct DecodedText {
    std::string utf8;
    // When not all bytes converted: the offset of the first one that did not.
    std::optional<std::size_t> badByte;
};

// `bytes` in `charset` as UTF-8. Text declared "GB2312" is read as GBK, its
// superset, as files labelled so commonly hold GBK characters.
DecodedText DecodeToUtf8(std::string_view bytes, const std::string& charset);

// UTF-8 `text` in `charset`; nothing when a character has no place in it.
std::optional<std::string> EncodeFromUtf8(std::string_view text, const std::string& charset);

}  // namespace glimmora
