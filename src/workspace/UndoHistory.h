#pragma once
// The editor's undo and redo: a stack of steps over the movie document. Each
// step holds the document before and after it (whole snapshots, so every kind
// of change undoes alike: fields, insert, delete, rename, order, timing,
// background) and the session's media record before and after it, so that a
// picture or sound choice, a rename or a delete undone finds the previous
// media again. Changes are recorded where the editor has made one (after each
// build, on the title's tick, and before an undo or a save); a burst of the
// same change to the same object (typing in one field, a spin field stepped)
// joins one step while its pieces come within a second of each other.
//
// A save writes the media into the project folder and starts the record
// afresh; the records the steps hold are rewritten by it (MediaRecords) to
// name the same media as before, so a picture chosen before a save and
// undone after it shows the earlier picture again.

#include "document/DocumentChange.h"
#include "document/ProjectMedia.h"

#include <QUndoStack>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace glimmora {

class UndoHistory {
public:
    using Media = ProjectMedia::Record;
    // Shows a document state again: `snapshot` the document, `media` the
    // media record, `focus` the object the step was about (empty: none).
    using Restore = std::function<void(const std::string& snapshot, const Media& media, const std::string& focus)>;
    using Clock = std::function<qint64()>;  // milliseconds

    UndoHistory();

    QUndoStack& Stack() { return stack_; }
    const QUndoStack& Stack() const { return stack_; }
    void SetRestore(Restore restore) { restore_ = std::move(restore); }
    void SetClock(Clock clock) { clock_ = std::move(clock); }

    // A document loaded: no steps, and this state is the saved one.
    void Reset(const std::string& snapshot, const Media& media);
    // Saved: the state on top is the clean one, and the media record (now
    // empty) starts afresh.
    void MarkSaved(const Media& media);
    // Every media record the history holds (each step's before and after, and
    // the last recorded), for a save to rewrite.
    std::vector<Media*> MediaRecords();
    // Records the change from the last state to this one as a step (or as
    // part of the step on top); false when nothing the user changed differs.
    bool Record(const std::string& snapshot, const Media& media);
    // The next step recorded is named with `verb` for the first word of the
    // name its change gives ("Paste Pic_2" for "Insert Pic_2"); empty: as
    // the change names it.
    void NameNextStep(std::string verb) { nextVerb_ = std::move(verb); }

    // Undo and redo run this (the steps call it).
    void Apply(const std::string& snapshot, const Media& media, const std::string& focus);
    bool Restoring() const { return restoring_; }
    const std::string& Current() const { return current_; }  // the state last recorded

private:
    QUndoStack stack_;
    std::string current_;
    std::optional<DocumentOutline> currentOutline_;  // current_ read, when it has been
    Media currentMedia_;
    int generation_ = 0;
    Restore restore_;
    Clock clock_;
    bool restoring_ = false;
    std::string nextVerb_;
};

}  // namespace glimmora
