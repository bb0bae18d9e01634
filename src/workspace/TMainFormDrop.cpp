// Files dragged onto the main window: a project or movie opens, pictures and
// sounds become new objects of the open project.
#include "workspace/TMainForm.h"

#include "generation/TVuzozUzev.h"
#include "player/widget/TShockwaveFlash.h"
#include "widgets/MessageBoxes.h"
#include "workspace/DroppedFiles.h"
#include "workspace/TObjListForm.h"
#include "workspace/TPicForm.h"
#include "workspace/TSoundForm.h"

#include <QDragEnterEvent>
#include <QDir>
#include <QDropEvent>
#include <QImageReader>
#include <QMimeData>

namespace glimmora {

namespace {

// Pictures dropped together fan out by this much, so that none hides another.
constexpr int kCascade = 16;

}  // namespace

bool TMainForm::TakesDrop(const QMimeData* data) const
{
    if (!data || !data->hasUrls()) return false;
    const DroppedFiles dropped = DroppedFiles::Sort(data->urls());
    return !dropped.opened.isEmpty() || (dropped.HasMedia() && builder_);
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (TakesDrop(event->mimeData())) event->acceptProposedAction();
}

void TMainForm::dragMoveEvent(QDragMoveEvent* event)
{
    if (TakesDrop(event->mimeData())) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event)
{
    if (!TakesDrop(event->mimeData())) return;
    event->acceptProposedAction();
    // The work (questions, conversions) runs once the drag has ended, so the
    // program the files came from is not kept waiting.
    const QList<QUrl> urls = event->mimeData()->urls();
    const QPoint at = event->position().toPoint();
    QMetaObject::invokeMethod(this, [this, urls, at] { Guarded([&] { DropFiles(urls, at); }); },
                              Qt::QueuedConnection);
}

void TMainForm::DropFiles(const QList<QUrl>& urls, const QPoint& at)
{
    const DroppedFiles dropped = DroppedFiles::Sort(urls);
    if (!dropped.opened.isEmpty()) {
        OpenFile(dropped.opened);
        return;
    }
    if (!builder_) return;
    // Over the preview a picture goes where it was dropped; elsewhere where
    // Insert Picture puts it.
    std::optional<QPoint> stagePoint;
    const QPoint onPreview = flash_->mapFrom(this, at);
    if (flash_->isVisible() && flash_->rect().contains(onPreview)) stagePoint = flash_->StagePoint(onPreview);
    for (int i = 0; i < dropped.pictures.size(); ++i)
        DropPicture(dropped.pictures[i], stagePoint ? std::optional(*stagePoint + QPoint(i, i) * kCascade) : std::nullopt);
    for (const QString& sound : dropped.sounds) {
        InsertSound();
        if (!soundForm_ || !objList_) break;
        // A sound that could not be taken leaves no empty object behind.
        if (!soundForm_->ChooseSound(sound)) objList_->DeleteObj();
    }
    if (!dropped.refused.isEmpty()) {
        QStringList names;
        for (const QString& file : dropped.refused) names << QDir::toNativeSeparators(file);
        MessageBoxes::Warning(this, "These files are neither pictures, sounds, projects nor movies and were left out:\n" +
                                        names.join('\n'));
    }
}

void TMainForm::DropPicture(const QString& file, std::optional<QPoint> center)
{
    InsertPicture();
    if (!picForm_ || !builder_) return;
    // Centred on the drop point: placed before the import, which stores and
    // builds once, from the size the file declares.
    const auto placeAround = [this](QPoint point, QSize size) {
        LoadingFlagGuard guard(GlobalVars().LoadingPicEditor);
        picForm_->SetEditPositionX(point.x() - size.width() / 2);
        picForm_->SetEditPositionY(point.y() - size.height() / 2);
    };
    const QSize declared = QImageReader(file).size();
    if (center) placeAround(*center, declared.isValid() ? declared : QSize());
    if (!picForm_->ImportFile(file) || !center || !picForm_) return;
    // A picture scaled down on the way in is centred again at its new size.
    const QSize stored(picForm_->EditWidth(), picForm_->EditHeight());
    if (stored == declared) return;
    placeAround(*center, stored);
    builder_->PicAdapter->StoreFromEditor();
    builder_->BuildMovieShowing(*builder_->PicAdapter);
}

}  // namespace glimmora
