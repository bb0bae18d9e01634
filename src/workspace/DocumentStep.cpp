#include "workspace/DocumentStep.h"

#include "workspace/UndoHistory.h"

namespace glimmora {

namespace {

constexpr qint64 kBurstGap = 1000;  // milliseconds between the pieces of one step

}  // namespace

DocumentStep::DocumentStep(UndoHistory& history, States states, DocumentChange change, qint64 when)
    : history_(history), states_(std::move(states)), change_(std::move(change)), last_(when)
{
    setText(QString::fromStdString(change_.name));
}

bool DocumentStep::mergeWith(const QUndoCommand* command)
{
    const auto* other = dynamic_cast<const DocumentStep*>(command);
    if (!other || !change_.mergeable || other->change_.name != change_.name ||
        other->states_.mediaBefore != other->states_.mediaAfter || other->states_.generation != states_.generation ||
        other->last_ - last_ > kBurstGap)
        return false;
    states_.after = other->states_.after;
    states_.mediaAfter = other->states_.mediaAfter;
    change_.objectAfter = other->change_.objectAfter;
    last_ = other->last_;
    // Typed and taken back again: no step at all.
    setObsolete(states_.after == states_.before && states_.mediaAfter == states_.mediaBefore);
    return true;
}

void DocumentStep::undo()
{
    history_.Apply(states_.before, states_.mediaBefore, change_.objectBefore);
    done_ = false;
}

void DocumentStep::redo()
{
    if (done_) return;  // pushed after the change was made
    history_.Apply(states_.after, states_.mediaAfter, change_.objectAfter);
    done_ = true;
}

}  // namespace glimmora
