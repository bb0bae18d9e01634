#include "generation/ReportedProblems.h"

#include <cstdint>
#include <cstring>

namespace glimmora {

namespace {

void Append(std::string& out, const std::string& text)
{
    const uint32_t size = uint32_t(text.size());
    out.append(reinterpret_cast<const char*>(&size), sizeof size);
    out += text;
}

std::string Take(const std::string& in, size_t& at)
{
    uint32_t size = 0;
    std::memcpy(&size, in.data() + at, sizeof size);
    at += sizeof size;
    std::string text = in.substr(at, size);
    at += size;
    return text;
}

}  // namespace

void ReportedProblems::Keep(char kind, const ObjectProblem& problem)
{
    kept_ += kind;
    Append(kept_, problem.object);
    Append(kept_, problem.message);
    Append(kept_, problem.reason);
}

void ReportedProblems::ShowError(const std::string& message)
{
    Keep('E', {{}, message, {}});
    if (target_) target_->ShowError(message);
}

void ReportedProblems::ShowObjectProblem(const ObjectProblem& problem)
{
    Keep('P', problem);
    if (target_) target_->ShowObjectProblem(problem);
}

void ReportedProblems::NoteNotShown(const ObjectProblem& problem)
{
    Keep('N', problem);
    if (target_) target_->NoteNotShown(problem);
}

void ReportedProblems::Repeat(const std::string& kept, IErrorReporter* target)
{
    size_t at = 0;
    while (at < kept.size()) {
        const char kind = kept[at++];
        ObjectProblem problem;
        problem.object = Take(kept, at);
        problem.message = Take(kept, at);
        problem.reason = Take(kept, at);
        if (!target) continue;
        if (kind == 'E')
            target->ShowError(problem.message);
        else if (kind == 'P')
            target->ShowObjectProblem(problem);
        else
            target->NoteNotShown(problem);
    }
}

}  // namespace glimmora
