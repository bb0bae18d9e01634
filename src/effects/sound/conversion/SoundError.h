#pragma once
#include <stdexcept>

namespace glimmora {

// A sound file that cannot be inspected, decoded or converted, or a converted
// file that cannot be written. The message names the file and the problem.
class SoundError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace glimmora
