// Cut, Copy, Paste and Duplicate of objects (the Edit menu), through the
// system clipboard so that objects go from one running editor to another
// with their pictures and sounds.
#include "workspace/TMainForm.h"

#include "generation/TVuzozUzev.h"
#include "player/widget/TShockwaveFlash.h"
#include "workspace/TObjListForm.h"
#include "workspace/UndoHistory.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTreeWidget>

namespace glimmora {

void TMainForm::WatchClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const auto changed = [this, clipboard] {
        const QMimeData* data = clipboard->mimeData();
        clipboardHasObjects_ = data && data->hasFormat(kClippedObjectsType);
        UpdateEditActions();
    };
    connect(clipboard, &QClipboard::dataChanged, this, changed);
    changed();
}

void TMainForm::UpdateEditActions() {
    const bool selected = builder_ && objList_ && objList_->SelectedName();
    for (const char* name : {"EditCut", "EditCopy", "EditDuplicate"}) Action(name)->setEnabled(selected);
    Action("EditPaste")->setEnabled(builder_ && clipboardHasObjects_);
}

std::optional<ClippedObject> TMainForm::SelectedClip() const {
    if (!builder_ || !objList_) return std::nullopt;
    const std::optional<IXMLObj> obj = objList_->SelectedObject();
    if (!obj) return std::nullopt;
    return ClipObject(*obj, builder_->Media, builder_->BasePath);
}

void TMainForm::EditCopy() {
    const std::optional<ClippedObject> clip = SelectedClip();
    if (!clip) return;
    auto* data = new QMimeData;
    data->setData(kClippedObjectsType, QByteArray::fromStdString(PackClippedObjects({*clip})));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TMainForm::EditCut() {
    if (!SelectedClip()) return;
    EditCopy();
    RecordStep();  // a change not recorded yet stays a step of its own
    history_->NameNextStep("Cut");
    objList_->DeleteObj();
    history_->NameNextStep({});
}

void TMainForm::EditPaste() {
    if (!builder_ || !objList_) return;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(kClippedObjectsType)) return;
    const QByteArray packed = data->data(kClippedObjectsType);
    PasteClipped(UnpackClippedObjects(std::string_view(packed.constData(), size_t(packed.size()))),
                 {flash_->CurrentFrame(), 0}, "Paste");
}

void TMainForm::EditDuplicate() {
    const std::optional<ClippedObject> clip = SelectedClip();
    if (!clip) return;
    PasteClipped({*clip}, {std::nullopt, kDuplicateOffset}, "Duplicate");
}

void TMainForm::PasteClipped(const std::vector<ClippedObject>& objects, const PastePlacement& placement,
                             const char* verb) {
    RecordStep();
    const std::vector<std::string> names = PasteObjects(objList_->Movie(), builder_->Media, objects, placement);
    history_->NameNextStep(verb);
    RecordStep();
    history_->NameNextStep({});
    objList_->RefreshObjList();
    // The (last) new object is selected: its editor shows it.
    if (!names.empty()) objList_->SelectByName(names.back());
    builder_->BuildMovie();
}

}  // namespace glimmora
