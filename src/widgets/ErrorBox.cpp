#include "widgets/ErrorBox.h"

#include "widgets/MessageBoxes.h"

#include <QString>

namespace glimmora {

void ShowErrorBox(QWidget* parent, const std::exception& error) {
    MessageBoxes::Error(parent, QString::fromUtf8(error.what()));
}

}  // namespace glimmora
