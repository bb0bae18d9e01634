#pragma once
// JSON for the commands that print it for scripts.

#include <string>

namespace glimmora::cli {

// `text` as a JSON string, quotes included: quotes, backslashes and control
// characters escaped, the rest (UTF-8) as it is.
std::string JsonString(const std::string& text);

}  // namespace glimmora::cli
