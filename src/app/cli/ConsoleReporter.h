#pragma once
// Prints the messages the editor would show in a message box.

#include "objects/ErrorReporter.h"

#include <iostream>

namespace glimmora::cli {

class ConsoleReporter : public IErrorReporter {
public:
    void ShowError(const std::string& message) override
    {
        ++count;
        std::cerr << "glimmora-cli: " << message << '\n';
    }
    int count = 0;
};

}  // namespace glimmora::cli
