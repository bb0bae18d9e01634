#include "workspace/ComboChoiceList.h"

#include <QComboBox>
#include <QFont>

namespace glimmora {

int ComboChoiceList::Count() const { return box_ ? box_->count() : 0; }

std::string ComboChoiceList::Item(int index) const
{
    if (!box_ || index < 0 || index >= box_->count()) return {};
    return box_->itemText(index).toStdString();
}

int ComboChoiceList::ItemIndex() const { return box_ ? box_->currentIndex() : -1; }

bool ComboChoiceList::AddStandIn(const std::string& text)
{
    if (!box_ || standInHint_.isEmpty()) return false;
    box_->addItem(QString::fromStdString(text));
    const int added = box_->count() - 1;
    QFont italic = box_->font();
    italic.setItalic(true);
    box_->setItemData(added, italic, Qt::FontRole);
    box_->setItemData(added, standInHint_, Qt::ToolTipRole);
    return true;
}

void ComboChoiceList::SetItemIndex(int index)
{
    if (box_) box_->setCurrentIndex(index >= 0 && index < box_->count() ? index : -1);
}

}  // namespace glimmora
