#include "workspace/TGuideForm.h"

#include "widgets/ColorButton.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace glimmora {

namespace {

constexpr int kLightGreen = 15464427;

}  // namespace

QString TGuideForm::TemplateFile(int templateIndex)
{
    return templateIndex == 1 ? "template/normal.gmr" : "template/blank.gmr";
}

TGuideForm::TGuideForm(QWidget* owner, TGlobalVars& globals)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), globals_(globals)
{
    setObjectName("GuideForm");
    setWindowTitle("New Flash");
    resize(379, 277);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, ColorOfValue(kLightGreen));
    setPalette(background);

    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName("PageControl1");
    // Page caption, page name, list view name; only the first page is shown.
    const char* pages[5][3] = {{"New", "TabSheet1", "ListView1"},
                               {"Greeting Card", "TabSheet2", "ListView2"},
                               {"Screen Savers", "TabSheet4", "ListView4"},
                               {"Flash MTV", "TabSheet5", "ListView5"},
                               {"Cool Button", "TabSheet3", "ListView3"}};
    const int listOf[5] = {0, 1, 3, 4, 2};  // listViews_ index by ListView number - 1
    for (int page = 0; page < 5; ++page) {
        auto* sheet = new QWidget(pageControl_);
        sheet->setObjectName(pages[page][1]);
        auto* list = new QListWidget(sheet);
        list->setObjectName(pages[page][2]);
        list->setViewMode(QListView::IconMode);
        list->setIconSize(QSize(32, 32));
        list->setMovement(QListView::Static);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        auto* sheetLayout = new QVBoxLayout(sheet);
        sheetLayout->addWidget(list);
        pageControl_->addTab(sheet, pages[page][0]);
        pageControl_->setTabVisible(page, page == 0);
        listViews_[listOf[page]] = list;
        connect(list, &QListWidget::itemSelectionChanged, this, &TGuideForm::ListView1Change);
        connect(list, &QListWidget::itemDoubleClicked, this, &TGuideForm::ListView1DblClick);
    }
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    new QListWidgetItem(icon, "Blank", listViews_[0]);
    new QListWidgetItem(icon, "Normal", listViews_[0]);

    okBtn_ = new QPushButton("&OK", this);
    okBtn_->setObjectName("OkBtn");
    okBtn_->setEnabled(false);
    okBtn_->setDefault(true);
    cancelBtn_ = new QPushButton("&Cancel", this);
    cancelBtn_->setObjectName("CancelBtn");
    connect(okBtn_, &QPushButton::clicked, this, &TGuideForm::OkBtnClick);
    connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okBtn_);
    buttons->addWidget(cancelBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pageControl_);
    layout->addLayout(buttons);
}

bool TGuideForm::HasSelection() const
{
    return !listViews_[0]->selectedItems().isEmpty();
}

void TGuideForm::ListView1Change()
{
    okBtn_->setEnabled(HasSelection());
}

void TGuideForm::ReturnGuideResult()
{
    const QList<QListWidgetItem*> selected = listViews_[0]->selectedItems();
    if (!selected.isEmpty()) globals_.TemplateIndex = listViews_[0]->row(selected.front());
}

void TGuideForm::OkBtnClick()
{
    if (!HasSelection()) return;
    ReturnGuideResult();
    accept();
}

void TGuideForm::ListView1DblClick()
{
    if (!HasSelection()) return;
    ReturnGuideResult();
    accept();
}

}  // namespace glimmora
