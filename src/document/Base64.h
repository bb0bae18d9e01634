#pragma once
// Base64 (RFC 4648, with padding), for bytes carried inside XML text.

#include <optional>
#include <string>
#include <string_view>

namespace glimmora {

std::string EncodeBase64(std::string_view bytes);
// The bytes, or nothing when `text` is not base64 (a character outside the
// alphabet, a wrong length or padding). Whitespace is passed over.
std::optional<std::string> DecodeBase64(std::string_view text);

}  // namespace glimmora
