#include "workspace/TTimelineForm.h"

#include "workspace/TObjListForm.h"
#include "workspace/TimelineRows.h"
#include "widgets/ErrorBox.h"
#include "widgets/TimelineView.h"

#include <QTimer>
#include <QVBoxLayout>
#include <QTreeWidget>

namespace glimmora {

namespace {

std::vector<std::string> ListedNames(const QTreeWidget& tree)
{
    std::vector<std::string> names;
    names.reserve(size_t(tree.topLevelItemCount()));
    for (int i = 0; i < tree.topLevelItemCount(); ++i) names.push_back(tree.topLevelItem(i)->text(0).toStdString());
    return names;
}

}  // namespace

TTimelineForm::TTimelineForm(QWidget* owner, QWidget* panel) : TChildForm(owner, panel)
{
    setObjectName("TimelineForm");
    setWindowTitle("Timeline");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new TimelineView(this);
    layout->addWidget(view_);
    connect(view_, &TimelineView::rowClicked, this, [this](int row) { SelectRow(row); });
    connect(view_, &TimelineView::frameClicked, this, [this](int frame) {
        if (hooks_.gotoFrame) hooks_.gotoFrame(frame);
    });
    connect(view_, &TimelineView::timesChanged, this,
            [this](int row, int start, int end) { WriteTimes(row, start, end); });
}

void TTimelineForm::SetObjectList(TObjListForm* list)
{
    list_ = list;
    if (!list_) {
        view_->SetRows({});
        return;
    }
    // Choosing an object in the list selects its row here.
    connect(&list_->ObjTree(), &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const QString name = item ? item->text(0) : QString();
        int found = -1;
        const auto& rows = view_->Rows();
        for (size_t i = 0; i < rows.size() && item; ++i)
            if (rows[i].name == name) found = int(i);
        view_->SetSelectedRow(found);
    });
    // Inserted, deleted, renamed or moved entries: the rows follow.
    QAbstractItemModel* model = list_->ObjTree().model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { QueueRefresh(); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { QueueRefresh(); });
    connect(model, &QAbstractItemModel::dataChanged, this, [this] { QueueRefresh(); });
    QueueRefresh();
}

void TTimelineForm::QueueRefresh()
{
    if (refreshQueued_) return;
    refreshQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshQueued_ = false;
        Refresh(view_->FrameCount());
    });
}

void TTimelineForm::Refresh(int frameCount)
{
    if (!list_ || !list_->Movie()) {
        view_->SetRows({});
        return;
    }
    const QTreeWidgetItem* current = list_->ObjTree().currentItem();
    std::vector<TimelineRow> rows = TimelineRowsOf(list_->Movie(), ListedNames(list_->ObjTree()));
    for (TimelineRow& row : rows)
        if (!row.movable) row.end = std::max(0, frameCount - 1);  // a sound runs from the first frame on
    int selected = -1;
    for (size_t i = 0; i < rows.size() && current; ++i)
        if (rows[i].name == current->text(0)) selected = int(i);
    view_->SetFrameCount(frameCount);
    view_->SetRows(std::move(rows));
    view_->SetSelectedRow(selected);
}

void TTimelineForm::SetPlayFrame(int frame) { view_->SetPlayFrame(frame); }

void TTimelineForm::SetDockedHeight(int height)
{
    dockedHeight_ = height;
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    updateGeometry();
}

QSize TTimelineForm::sizeHint() const { return QSize(TChildForm::sizeHint().width(), dockedHeight_); }

void TTimelineForm::showEvent(QShowEvent* event)
{
    TChildForm::showEvent(event);
    emit placementChanged();
}

void TTimelineForm::hideEvent(QHideEvent* event)
{
    TChildForm::hideEvent(event);
    emit placementChanged();
}

void TTimelineForm::SelectRow(int row)
{
    if (!list_ || row < 0 || row >= int(view_->Rows().size())) return;
    const QString name = view_->Rows()[size_t(row)].name;
    QTreeWidget& tree = list_->ObjTree();
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        if (tree.topLevelItem(i)->text(0) != name) continue;
        if (tree.currentItem() == tree.topLevelItem(i)) list_->DisplayObj();  // shown again
        else tree.setCurrentItem(tree.topLevelItem(i));
        return;
    }
}

void TTimelineForm::WriteTimes(int row, int start, int end)
{
    if (!list_ || row < 0 || row >= int(view_->Rows().size())) return;
    const std::string name = view_->Rows()[size_t(row)].name.toStdString();
    try {
        for (pugi::xml_node node : list_->Movie().Node().children("Obj")) {
            const IXMLObj obj(node);
            if (obj.FindText("ObjName").value_or("") != name) continue;
            WriteObjectFrames(obj, start, end);
            break;
        }
        // An open editor shows the new frames.
        if (const auto selected = list_->SelectedName(); selected && *selected == name) list_->DisplayObj();
        if (hooks_.timesChanged) hooks_.timesChanged();
    } catch (const std::exception& error) {
        ShowErrorBox(this, error);
    }
}

}  // namespace glimmora
