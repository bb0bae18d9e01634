#pragma once
#include <string>

namespace glimmora {

// Where the messages that the program shows in a message box go: the editor
// shows them, the command-line tool prints them.
class IErrorReporter {
public:
    virtual ~IErrorReporter() = default;
    virtual void ShowError(const std::string& message) = 0;
};

}  // namespace glimmora
