#include "workspace/TObjListForm.h"

#include "document/ProjectFiles.h"
#include "document/ProjectMedia.h"
#include "generation/TVuzozUzev.h"
#include "widgets/ErrorBox.h"

#include <QAbstractItemView>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <system_error>

namespace glimmora {

namespace {

// The tree lets its entries be dragged onto one another; the drop itself is
// the list's (a new Layer, then a refill), never Qt's own item move.
class ObjTreeWidget : public QTreeWidget {
public:
    ObjTreeWidget(QWidget* parent, std::function<void(QTreeWidgetItem*)> drop)
        : QTreeWidget(parent), drop_(std::move(drop)) {}

protected:
    void dragMoveEvent(QDragMoveEvent* event) override {
        QTreeWidgetItem* target = itemAt(event->position().toPoint());
        if (event->source() == this && target && target != currentItem()) event->acceptProposedAction();
        else event->ignore();
    }
    void dropEvent(QDropEvent* event) override {
        QTreeWidgetItem* target = itemAt(event->position().toPoint());
        event->setDropAction(Qt::IgnoreAction);
        event->accept();
        if (event->source() == this && target && target != currentItem()) drop_(target);
    }

private:
    std::function<void(QTreeWidgetItem*)> drop_;
};

}  // namespace

TObjListForm::TObjListForm(QWidget* owner, QWidget* panel, TVuzozUzev* builder)
    : TChildForm(owner, panel), builder_(builder) {
    setObjectName("ObjListForm");
    setWindowTitle("Movie Library");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tree_ = new ObjTreeWidget(this, [this](QTreeWidgetItem* target) { DropOnto(target); });
    tree_->setObjectName("ObjTree");
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(false);
    tree_->setIndentation(19);
    tree_->setMouseTracking(true);
    tree_->setDragEnabled(true);
    tree_->setAcceptDrops(true);
    tree_->setDragDropMode(QAbstractItemView::DragDrop);
    tree_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    tree_->installEventFilter(this);
    layout->addWidget(tree_);

    popup_ = new QMenu(this);
    popup_->setObjectName("PopupMenu1");
    popup_->addAction("Insert &Text", this, [this] { if (hooks_.insert) hooks_.insert("Text"); })
        ->setObjectName("InsertTextMenuItem");
    popup_->addAction("Insert &Picture", this, [this] { if (hooks_.insert) hooks_.insert("Pic"); })
        ->setObjectName("InsertPictureMenuItem");
    popup_->addAction("Insert &Sound", this, [this] { if (hooks_.insert) hooks_.insert("Sound"); })
        ->setObjectName("InsertSoundMenuItem");
    popup_->addSeparator();
    popup_->addAction("&Delete", this, [this] { DeleteObj(); })->setObjectName("DeleteMenuItem");

    connect(tree_, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (QTreeWidgetItem* item = tree_->itemAt(at)) tree_->setCurrentItem(item);
        popup_->popup(tree_->viewport()->mapToGlobal(at));
    });
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        editedFrom_ = current ? current->text(0).toStdString() : std::string();
        if (!filling_) DisplayObj();
    });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] { DoubleClickSelected(); });
    connect(tree_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) { ItemEdited(item); });
    connect(tree_, &QTreeWidget::itemPressed, this, [this](QTreeWidgetItem* item) {
        editedFrom_ = item ? item->text(0).toStdString() : std::string();
    });
}

TObjListForm::~TObjListForm() = default;

QTreeWidgetItem* TObjListForm::NewEntry(const std::string& name) {
    auto* item = new QTreeWidgetItem({QString::fromStdString(name)});
    item->setFlags(item->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled);
    return item;
}

void TObjListForm::RefreshObjList() {
    movie_ = GetMovie(xmlDoc_);
    if (builder_) builder_->SetDocument(&movie_);
    filling_ = true;
    tree_->clear();
    added_ = nullptr;
    // By ascending Layer; objects of one Layer keep their document order, so
    // that a refill never shuffles entries the user did not move.
    const IXMLObjList objects = movie_.Obj();
    std::vector<int> layers;  // Layer of each entry, top to bottom
    for (int i = 0; i < objects.Count(); ++i) {
        const IXMLObj obj = objects.Items(i);
        const int layer = obj.Layer();
        const int row = int(std::upper_bound(layers.begin(), layers.end(), layer) - layers.begin());
        tree_->insertTopLevelItem(row, NewEntry(obj.ObjName()));
        layers.insert(layers.begin() + row, layer);
    }
    tree_->setCurrentItem(nullptr);
    tree_->clearSelection();
    filling_ = false;
}

int TObjListForm::FindByName(const std::string& name) const {
    if (!movie_) return -1;
    const IXMLObjList objects = movie_.Obj();
    for (int i = 0; i < objects.Count(); ++i)
        if (objects.Items(i).ObjName() == name) return i;
    return -1;
}

int TObjListForm::FindSelected() const {
    const auto name = SelectedName();
    return name ? FindByName(*name) : -1;
}

void TObjListForm::DisplayObj() {
    try {
        const int index = FindSelected();
        if (index < 0 || !builder_) return;
        builder_->CurrentIndex = index;
        const std::string kind = movie_.Obj().Items(index).ObjTypeName();
        if (kind != "Text" && kind != "Pic" && kind != "Sound") return;
        builder_->CurrentKind = kind;
        for (const char* other : {"Text", "Pic", "Sound"})
            if (kind != other && hooks_.closeEditor) hooks_.closeEditor(other);
        if (kind == "Text") builder_->TextAdapter->ShowInEditor(index);
        else if (kind == "Pic") builder_->PicAdapter->ShowInEditor(index);
        else builder_->SoundAdapter->ShowInEditor(index);
        if (hooks_.showEditor) hooks_.showEditor(kind);
        if (hooks_.checkInsert) hooks_.checkInsert(kind);
        activateWindow();
    } catch (const std::exception& error) {
        ShowErrorBox(this, error);
    }
}

void TObjListForm::DeleteObj() {
    try {
        const int index = FindSelected();
        if (index < 0) return;
        const IXMLObj obj = movie_.Obj().Items(index);
        const std::string kind = obj.ObjTypeName();
        const std::string name = obj.ObjName();
        // Its picture or sound goes with it (its file stays until Save, and
        // stays after it too: nothing is deleted from the project folder).
        if (const auto media = MediaKindOf(kind); media && builder_ && CountNamed(name) == 1)
            builder_->Media.Set(*media, name, std::nullopt);
        movie_.Obj().Delete(index);
        if (hooks_.closeEditor) hooks_.closeEditor(kind);
        RefreshObjList();
        tree_->setFocus();
        const int row = index == 0 ? 0 : index - 1;
        if (QTreeWidgetItem* item = tree_->topLevelItem(row)) tree_->setCurrentItem(item);
        // The preview must not go on showing an object that is gone.
        if (builder_) builder_->BuildMovie();
    } catch (const std::exception& error) {
        ShowErrorBox(this, error);
    }
}

void TObjListForm::MoveNode(bool up) {
    QTreeWidgetItem* item = tree_->currentItem();
    if (!item) return;
    const int row = tree_->indexOfTopLevelItem(item);
    const int to = up ? row - 1 : row + 1;
    if (to < 0 || to >= tree_->topLevelItemCount()) return;
    filling_ = true;
    tree_->takeTopLevelItem(row);
    tree_->insertTopLevelItem(to, item);
    tree_->setCurrentItem(item);
    filling_ = false;
}

void TObjListForm::SetSelectedLayerToRow() {
    const int index = FindSelected();
    if (index < 0) return;
    movie_.Obj().Items(index).SetLayer(tree_->indexOfTopLevelItem(tree_->currentItem()));
}

void TObjListForm::DropOnto(QTreeWidgetItem* target) {
    QTreeWidgetItem* item = tree_->currentItem();
    if (!item || !target || item == target) return;
    try {
        filling_ = true;
        tree_->takeTopLevelItem(tree_->indexOfTopLevelItem(item));
        tree_->insertTopLevelItem(tree_->indexOfTopLevelItem(target), item);
        tree_->setCurrentItem(item);
        filling_ = false;
        SetSelectedLayerToRow();
        const std::string dragged = item->text(0).toStdString();
        RefreshObjList();
        // The dragged object stays the one the editors store into.
        const auto found = tree_->findItems(QString::fromStdString(dragged), Qt::MatchExactly);
        if (!found.isEmpty()) tree_->setCurrentItem(found.front());
    } catch (const std::exception& error) {
        filling_ = false;
        ShowErrorBox(this, error);
    }
}

void TObjListForm::DoubleClickSelected() {
    const int index = FindSelected();
    if (index < 0 || !builder_) return;
    builder_->CurrentIndex = index;
    const std::string kind = movie_.Obj().Items(index).ObjTypeName();
    if (!hooks_.gotoFrame) return;
    if (kind == "Text") hooks_.gotoFrame(builder_->TextAdapter->StartTime);
    else if (kind == "Pic") hooks_.gotoFrame(builder_->PicAdapter->StartTime);
}

int TObjListForm::CountNamed(const std::string& name) const {
    int count = 0;
    const IXMLObjList objects = movie_.Obj();
    for (int i = 0; i < objects.Count(); ++i)
        if (objects.Items(i).ObjName() == name) ++count;
    return count;
}

bool TObjListForm::RenameObj(const std::string& oldName, const std::string& newName) {
    if (oldName == newName) return true;
    const int index = FindByName(oldName);
    if (index < 0) return false;
    try {
        if (newName.empty()) throw std::runtime_error("An object needs a name.");
        if (FindByName(newName) >= 0) throw std::runtime_error("Another object is already named \"" + newName + "\".");
        // Names are file names: no "a/b", "..", no control characters.
        if (auto problem = MediaNameProblem(newName)) throw std::runtime_error(*problem);
        const IXMLObj obj = movie_.Obj().Items(index);
        // The picture or sound goes with the name; the files themselves
        // change at Save. Another object of the old name keeps its own.
        if (const auto kind = MediaKindOf(obj.ObjTypeName()); kind && builder_) {
            ProjectMedia& media = builder_->Media;
            media.Set(*kind, newName, media.Of(*kind, oldName));
            if (CountNamed(oldName) == 1) media.Set(*kind, oldName, std::nullopt);
        }
        obj.SetObjName(newName);
        // The entry shows the new name (an in-place edit has done so already).
        const auto entries = tree_->findItems(QString::fromStdString(oldName), Qt::MatchExactly);
        if (!entries.isEmpty()) {
            filling_ = true;
            entries.front()->setText(0, QString::fromStdString(newName));
            filling_ = false;
            if (entries.front() == tree_->currentItem()) editedFrom_ = newName;
        }
        return true;
    } catch (const std::exception& error) {
        ShowErrorBox(this, error);
        return false;
    }
}

void TObjListForm::ItemEdited(QTreeWidgetItem* item) {
    if (filling_ || !item) return;
    const std::string newName = item->text(0).toStdString();
    const std::string oldName = editedFrom_;
    if (oldName.empty() || newName == oldName) return;
    if (RenameObj(oldName, newName)) {
        editedFrom_ = newName;
    } else {
        filling_ = true;
        item->setText(0, QString::fromStdString(oldName));
        filling_ = false;
    }
}

void TObjListForm::AppendNode(const std::string& name) {
    // The object is the document's last: it goes below every entry whose
    // Layer is not greater than its own, where a refill would put it.
    const int index = FindByName(name);
    const int layer = index >= 0 ? movie_.Obj().Items(index).Layer() : INT_MAX;
    int row = tree_->topLevelItemCount();
    while (row > 0) {
        const int above = FindByName(tree_->topLevelItem(row - 1)->text(0).toStdString());
        if (above < 0 || movie_.Obj().Items(above).Layer() <= layer) break;
        --row;
    }
    added_ = NewEntry(name);
    tree_->insertTopLevelItem(row, added_);
}

void TObjListForm::SelectLastNode() {
    tree_->setFocus();
    QTreeWidgetItem* item = added_;
    if (!item && tree_->topLevelItemCount() > 0) item = tree_->topLevelItem(tree_->topLevelItemCount() - 1);
    if (!item) return;
    tree_->setCurrentItem(item);
    tree_->scrollToItem(item);  // a new object is never out of sight
}

void TObjListForm::SelectByName(const std::string& name) {
    const auto found = tree_->findItems(QString::fromStdString(name), Qt::MatchExactly);
    if (found.isEmpty()) return;
    tree_->setCurrentItem(found.front());
    tree_->scrollToItem(found.front());
}

std::optional<IXMLObj> TObjListForm::SelectedObject() const {
    const int index = FindSelected();
    if (index < 0) return std::nullopt;
    return movie_.Obj().Items(index);
}

void TObjListForm::AddPopupActions(const QList<QAction*>& actions) {
    popup_->addSeparator();
    popup_->addActions(actions);
}

std::optional<std::string> TObjListForm::SelectedName() const {
    if (QTreeWidgetItem* item = tree_->currentItem()) return item->text(0).toStdString();
    return std::nullopt;
}

bool TObjListForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tree_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // While a label is edited the keys go to the editor, never here.
        if (key->key() == Qt::Key_Delete) { DeleteObj(); return true; }
        if ((key->modifiers() & Qt::ControlModifier) && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            try {
                MoveNode(key->key() == Qt::Key_Up);
                SetSelectedLayerToRow();
            } catch (const std::exception& error) {
                ShowErrorBox(this, error);
            }
            return true;
        }
    }
    return TChildForm::eventFilter(watched, event);
}

}  // namespace glimmora
