#pragma once
#include <stdexcept>
#include <string>

namespace glimmora {

// A document value that does not convert: an integer element that is missing,
// empty or not a decimal integer, or a colour that is not integer text.
// The message names the offending text, e.g. "'' is not a valid integer value".
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A project file that cannot be read, parsed or written.
class DocumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace glimmora
