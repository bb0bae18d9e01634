// Mouse over the preview: the program's popup menu on a right click, and
// dragging the selected text or picture to a new position.
#include "workspace/TMainForm.h"

#include "generation/TVuzozUzev.h"
#include "player/widget/TShockwaveFlash.h"
#include "workspace/TBackgroundForm.h"
#include "workspace/TObjListForm.h"
#include "workspace/TPicForm.h"
#include "workspace/TTextForm.h"

#include <QMenu>
#include <QMouseEvent>

namespace glimmora {

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // Not taken by the field: the Edit menu's shortcut runs instead.
    if (event->type() == QEvent::ShortcutOverride && !FieldTakesUndoKey(watched, event)) return true;
    if (watched == flash_ &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            if (event->type() == QEvent::MouseButtonPress) popup_->popup(mouse->globalPosition().toPoint());
            return true;  // the control never sees it
        }
        if (mouse->button() == Qt::LeftButton) PreviewMouse(event);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::PreviewMouse(QEvent* event) {
    if (!builder_) return;
    const std::string kind = builder_->CurrentKind;
    if (kind != "Text" && kind != "Pic") return;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    TGlobalVars& globals = GlobalVars();
    try {
        if (event->type() == QEvent::MouseButtonPress) {
            flash_->SetPlaying(false);
            globals.DragStartX = at.x();
            globals.DragStartY = at.y();
            moving_ = true;
            flash_->setCursor(Qt::SizeAllCursor);
            return;
        }
        flash_->SetPlaying(globals.WasPlaying);
        globals.DragEndX = at.x();
        globals.DragEndY = at.y();
        const bool wasMoving = moving_;
        moving_ = false;
        flash_->unsetCursor();
        const int dx = globals.DragEndX - globals.DragStartX;
        const int dy = globals.DragEndY - globals.DragStartY;
        if (!wasMoving || (dx == 0 && dy == 0)) return;
        if (kind == "Text" && textForm_) {
            {
                LoadingFlagGuard guard(globals.LoadingTextEditor);
                textForm_->SetPositionX(textForm_->PositionX() + dx);
                textForm_->SetPositionY(textForm_->PositionY() + dy);
            }
            builder_->TextAdapter->StoreFromEditor();
            builder_->BuildMovieShowing(*builder_->TextAdapter);
        } else if (kind == "Pic" && picForm_) {
            {
                LoadingFlagGuard guard(globals.LoadingPicEditor);
                picForm_->SetEditPositionX(picForm_->EditPositionX() + dx);
                picForm_->SetEditPositionY(picForm_->EditPositionY() + dy);
            }
            builder_->PicAdapter->StoreFromEditor();
            builder_->BuildMovieShowing(*builder_->PicAdapter);
        }
    } catch (...) {
        // a failed move leaves the object where it was
        moving_ = false;
        flash_->unsetCursor();
    }
}

}  // namespace glimmora
