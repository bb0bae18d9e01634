#pragma once
// One undo step of the editor: the document and the media record before and
// after it, and the object it is about.

#include "document/DocumentChange.h"
#include "document/ProjectMedia.h"

#include <QUndoCommand>

#include <string>

namespace glimmora {

class UndoHistory;

class DocumentStep : public QUndoCommand {
public:
    struct States {
        std::string before, after;
        ProjectMedia::Record mediaBefore, mediaAfter;
        int generation = 0;  // the save count it was made in: steps never merge across a save
    };

    // Pushed once the change is made: the first redo does nothing.
    DocumentStep(UndoHistory& history, States states, DocumentChange change, qint64 when);

    States& Held() { return states_; }
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;
    void undo() override;
    void redo() override;

private:
    UndoHistory& history_;
    States states_;
    DocumentChange change_;
    qint64 last_;  // when the latest piece came
    bool done_ = true;
};

}  // namespace glimmora
