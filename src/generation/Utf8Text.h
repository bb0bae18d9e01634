#pragma once
// UTF-8 document text to and from the code points that the text effects use.

#include <string>
#include <string_view>

namespace glimmora {

// Malformed bytes (a stray continuation byte, a truncated sequence, an
// overlong form, a surrogate or a value past U+10FFFF) each become U+FFFD.
std::u32string DecodeUtf8(std::string_view text);

// Code points that cannot be encoded (surrogates, past U+10FFFF) become U+FFFD.
std::string EncodeUtf8(std::u32string_view text);

}  // namespace glimmora
