#include "widgets/FormLabels.h"

#include <QFormLayout>
#include <QLabel>

namespace glimmora {

void NameFormLabels(QFormLayout* layout)
{
    int number = 0;
    for (int row = 0; row < layout->rowCount(); ++row) {
        QLayoutItem* item = layout->itemAt(row, QFormLayout::LabelRole);
        auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
        if (label && label->objectName().isEmpty()) label->setObjectName(QString("Label%1").arg(++number));
    }
}

}  // namespace glimmora
