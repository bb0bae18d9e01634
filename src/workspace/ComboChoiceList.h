#pragma once
// An editor's drop-down list (QComboBox) as the adapters see it; unbound it
// is an empty list.

#include "generation/IChoiceList.h"

#include <QString>

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
    // Only where enabled (the font list): the entry is shown in italics and
    // its hint says that another font stands in for it.
    bool AddStandIn(const std::string& text) override;
    void AcceptStandIns(QString hint) { standInHint_ = std::move(hint); }

private:
    QComboBox* box_ = nullptr;
    QString standInHint_;  // empty: no stand-ins
};

}  // namespace glimmora
