#pragma once
#include "objects/ErrorReporter.h"

#include <deque>
#include <string>
#include <vector>

namespace glimmora::test {

// Keeps every message the program would have shown: `messages` as the boxes
// would show them, `problems` with their object and reason, and `notes` on
// content that is not shown by design; and every question it asked, answered
// from `answers` (No once they run out).
class CollectingReporter : public IErrorReporter {
public:
    void ShowError(const std::string& message) override { messages.push_back(message); }
    void ShowObjectProblem(const ObjectProblem& problem) override
    {
        problems.push_back(problem);
        messages.push_back(problem.message);
    }
    void NoteNotShown(const ObjectProblem& problem) override { notes.push_back(problem); }
    bool Confirm(const std::string& question) override
    {
        questions.push_back(question);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> messages;
    std::vector<ObjectProblem> problems;
    std::vector<ObjectProblem> notes;
    std::vector<std::string> questions;
    std::deque<bool> answers;
};

}  // namespace glimmora::test
