#include "workspace/ComboChoiceList.h"

#include <QComboBox>

namespace glimmora {

int ComboChoiceList::Count() const { return box_ ? box_->count() : 0; }

std::string ComboChoiceList::Item(int index) const
{
    if (!box_ || index < 0 || index >= box_->count()) return {};
    return box_->itemText(index).toStdString();
}

int ComboChoiceList::ItemIndex() const { return box_ ? box_->currentIndex() : -1; }

void ComboChoiceList::SetItemIndex(int index)
{
    if (box_) box_->setCurrentIndex(index >= 0 && index < box_->count() ? index : -1);
}

}  // namespace glimmora
