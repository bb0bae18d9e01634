#pragma once
// Prints the messages the editor would show in a message box, one line each,
// naming the file they are about and the object of the movie.

#include "objects/ErrorReporter.h"

#include <iostream>
#include <string>

namespace glimmora::cli {

class ConsoleReporter : public IErrorReporter {
public:
    // `source`: the file the messages are about (the project), or empty.
    explicit ConsoleReporter(std::string source = {}) : source_(std::move(source)) {}

    void ShowError(const std::string& message) override { Print(message); }
    void ShowObjectProblem(const ObjectProblem& problem) override { Print(Line(problem)); }
    void NoteNotShown(const ObjectProblem& problem) override { Print(Line(problem)); }

    // "Pic_3: Sorry, can not use the picture! (Picture file "/p/Pic_3.jpg" does not exist)"
    static std::string Line(const ObjectProblem& problem)
    {
        std::string line = problem.object + ": " + problem.message;
        if (!problem.reason.empty()) line += " (" + problem.reason + ")";
        return line;
    }

    // Questions are answered from the command's options.
    bool Confirm(const std::string&) override { return confirmation; }

    int count = 0;
    bool confirmation = false;

private:
    void Print(const std::string& text)
    {
        ++count;
        std::cerr << "glimmora-cli: " << (source_.empty() ? std::string() : source_ + ": ") << text << '\n';
    }

    std::string source_;
};

}  // namespace glimmora::cli
