#pragma once
#include <stdexcept>

namespace glimmora {

// A picture file that cannot be imported: missing, damaged, truncated, or not
// what its extension claims. The message names the file and the problem.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace glimmora
