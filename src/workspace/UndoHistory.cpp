#include "workspace/UndoHistory.h"

#include "document/DocumentChange.h"
#include "workspace/DocumentStep.h"

#include <QDateTime>

#include <algorithm>

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
    currentOutline_.reset();
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
    // The state recorded last was read when it was recorded, unless an undo,
    // a redo or a reset put another in its place.
    if (!currentOutline_) currentOutline_ = DocumentOutline(current_);
    DocumentOutline outline(snapshot);
    DocumentChange change = DescribeChange(*currentOutline_, outline);
    if (change.name.empty()) {
        current_ = snapshot;  // only what the builder notes for itself (the frame count)
        currentOutline_ = std::move(outline);
        currentMedia_ = media;
        return false;
    }
    if (!nextVerb_.empty()) {
        change.name = nextVerb_ + change.name.substr(std::min(change.name.find(' '), change.name.size()));
        change.mergeable = false;
        nextVerb_.clear();
    }
    DocumentStep::States states{current_, snapshot, currentMedia_, media, generation_};
    current_ = snapshot;
    currentOutline_ = std::move(outline);
    currentMedia_ = media;
    stack_.push(new DocumentStep(*this, std::move(states), std::move(change), clock_()));
    return true;
}

std::vector<UndoHistory::Media*> UndoHistory::MediaRecords()
{
    std::vector<Media*> records{&currentMedia_};
    for (int i = 0; i < stack_.count(); ++i) {
        // The stack hands out its steps read-only; they are ours.
        auto* step = const_cast<DocumentStep*>(dynamic_cast<const DocumentStep*>(stack_.command(i)));
        if (!step) continue;
        records.push_back(&step->Held().mediaBefore);
        records.push_back(&step->Held().mediaAfter);
    }
    return records;
}

void UndoHistory::Apply(const std::string& snapshot, const Media& media, const std::string& focus)
{
    restoring_ = true;
    try {
        current_ = snapshot;
        currentOutline_.reset();
        currentMedia_ = media;
        if (restore_) restore_(snapshot, media, focus);
    } catch (...) {
        restoring_ = false;
        throw;
    }
    restoring_ = false;
}

}  // namespace glimmora
