#pragma once
#include "objects/ErrorReporter.h"

#include <string>
#include <vector>

namespace glimmora::test {

// Keeps every message the program would have shown.
class CollectingReporter : public IErrorReporter {
public:
    void ShowError(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

}  // namespace glimmora::test
