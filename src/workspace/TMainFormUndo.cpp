// Undo and redo of every change to the document (the Edit menu), and the
// hand-over of Ctrl+Z between a text field's own typing and the document.
#include "workspace/TMainForm.h"

#include "generation/TVuzozUzev.h"
#include "workspace/TBackgroundForm.h"
#include "workspace/TObjListForm.h"
#include "workspace/UndoHistory.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace glimmora {

void TMainForm::CreateUndo()
{
    history_ = std::make_unique<UndoHistory>();
    history_->SetRestore([this](const std::string& snapshot, const ProjectMedia::Record& media,
                                const std::string& focus) { RestoreDocument(snapshot, media, focus); });
    connect(&history_->Stack(), &QUndoStack::indexChanged, this, [this] { UpdateUndoActions(); });
    connect(&history_->Stack(), &QUndoStack::cleanChanged, this, [this] { UpdateTitle(); });
    connect(Action("EditUndo"), &QAction::triggered, this, [this] { Guarded([&] { EditUndo(); }); });
    connect(Action("EditRedo"), &QAction::triggered, this, [this] { Guarded([&] { EditRedo(); }); });
    // Ctrl+Z and Ctrl+Y reach the Edit menu from a text field that has
    // nothing of its own left to take back.
    qApp->installEventFilter(this);
    UpdateUndoActions();
}

UndoHistory& TMainForm::History() const { return *history_; }

void TMainForm::RecordStep()
{
    if (!builder_ || !objList_ || !objList_->XMLDoc().Active()) return;
    history_->Record(objList_->XMLDoc().Snapshot(), builder_->Media.Entries());
}

void TMainForm::EditUndo()
{
    RecordStep();  // a change not recorded yet is the one to take back
    if (history_->Stack().canUndo()) history_->Stack().undo();
}

void TMainForm::EditRedo()
{
    RecordStep();
    if (history_->Stack().canRedo()) history_->Stack().redo();
}

void TMainForm::RestoreDocument(const std::string& snapshot, const ProjectMedia::Record& media,
                                const std::string& focus)
{
    if (!builder_ || !objList_) return;
    objList_->XMLDoc().RestoreSnapshot(snapshot);
    builder_->Media.RestoreEntries(media);
    for (const char* kind : {"Text", "Pic", "Sound"}) ShowEditor(kind, false);
    objList_->RefreshObjList();
    builder_->LoadMovieProperties();
    // The object the step was about is selected, so its editor shows the result.
    if (!focus.empty()) objList_->SelectByName(focus);
    builder_->BuildMovie();
}

void TMainForm::UpdateUndoActions()
{
    QUndoStack& stack = history_->Stack();
    const auto show = [](QAction* action, bool enabled, const QString& step) {
        // The caption comes from the language file; the step's name follows it.
        if (action->text() != action->property("shownText").toString())
            action->setProperty("caption", action->text());
        const QString caption = action->property("caption").toString();
        const QString text = step.isEmpty() ? caption : caption + " " + step;
        action->setText(text);
        action->setProperty("shownText", text);
        action->setToolTip(QString(text).remove('&'));
        action->setEnabled(enabled);
    };
    const bool open = builder_ != nullptr;
    show(Action("EditUndo"), open && stack.canUndo(), stack.undoText());
    show(Action("EditRedo"), open && stack.canRedo(), stack.redoText());
}

bool TMainForm::FieldTakesUndoKey(QObject* watched, QEvent* event) const
{
    auto* key = static_cast<QKeyEvent*>(event);
    const bool undo = key->matches(QKeySequence::Undo);
    const bool redo = key->matches(QKeySequence::Redo) ||
                      key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
                      key->keyCombination() == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
    if (!undo && !redo) return true;
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field) {
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(watched)) field = spin->findChild<QLineEdit*>();
    }
    if (!field) return true;
    return undo ? field->isUndoAvailable() : field->isRedoAvailable();
}

}  // namespace glimmora
