#pragma once
// What an object's generation told the user, kept with its reused part so
// that a build which puts the part back tells the same again.

#include "objects/ErrorReporter.h"

#include <string>

namespace glimmora {

// Passes every message on to `target` and keeps it.
class ReportedProblems : public IErrorReporter {
public:
    explicit ReportedProblems(IErrorReporter* target) : target_(target) {}

    void ShowError(const std::string& message) override;
    void ShowObjectProblem(const ObjectProblem& problem) override;
    void NoteNotShown(const ObjectProblem& problem) override;

    // The messages so far, as one string.
    const std::string& Kept() const { return kept_; }

    // Tells `target` the messages of a Kept() string again, in order.
    static void Repeat(const std::string& kept, IErrorReporter* target);

private:
    void Keep(char kind, const ObjectProblem& problem);

    IErrorReporter* target_;
    std::string kept_;
};

}  // namespace glimmora
