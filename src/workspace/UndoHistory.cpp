#include "workspace/UndoHistory.h"

#include "document/DocumentChange.h"
#include "workspace/DocumentStep.h"

#include <QDateTime>

namespace glimmora {

namespace {

constexpr int kStepsKept = 200;

}  // namespace

UndoHistory::UndoHistory() : clock_([] { return QDateTime::currentMSecsSinceEpoch(); })
{
    stack_.setUndoLimit(kStepsKept);
}

void UndoHistory::Reset(const std::string& snapshot, const Media& media)
{
    stack_.clear();
    stack_.setClean();
    current_ = snapshot;
    currentMedia_ = media;
    ++generation_;
}

void UndoHistory::MarkSaved(const Media& media)
{
    stack_.setClean();
    currentMedia_ = media;
    ++generation_;
}

bool UndoHistory::Record(const std::string& snapshot, const Media& media)
{
    if (restoring_) return false;
    if (snapshot == current_) {
        currentMedia_ = media;  // a record taken over or started afresh: no change of the user's
        return false;
    }
    DocumentChange change = DescribeChange(current_, snapshot);
    if (change.name.empty()) {
        current_ = snapshot;  // only what the builder notes for itself (the frame count)
        currentMedia_ = media;
        return false;
    }
    DocumentStep::States states{current_, snapshot, currentMedia_, media, generation_};
    current_ = snapshot;
    currentMedia_ = media;
    stack_.push(new DocumentStep(*this, std::move(states), std::move(change), clock_()));
    return true;
}

void UndoHistory::Apply(const std::string& snapshot, const Media& media, int generation, const std::string& focus)
{
    restoring_ = true;
    try {
        current_ = snapshot;
        const bool sameSession = generation == generation_;
        if (sameSession) currentMedia_ = media;
        if (restore_) restore_(snapshot, sameSession ? std::optional(media) : std::nullopt, focus);
    } catch (...) {
        restoring_ = false;
        throw;
    }
    restoring_ = false;
}

}  // namespace glimmora
