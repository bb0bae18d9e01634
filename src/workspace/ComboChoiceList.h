#pragma once
// An editor's drop-down list (QComboBox) as the adapters see it; unbound it
// is an empty list.

#include "generation/IChoiceList.h"

class QComboBox;

namespace glimmora {

class ComboChoiceList : public IChoiceList {
public:
    ComboChoiceList() = default;
    explicit ComboChoiceList(QComboBox* box) : box_(box) {}
    void Bind(QComboBox* box) { box_ = box; }
    int Count() const override;
    std::string Item(int index) const override;
    int ItemIndex() const override;
    void SetItemIndex(int index) override;

private:
    QComboBox* box_ = nullptr;
};

}  // namespace glimmora
