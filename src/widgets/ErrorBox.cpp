#include "widgets/ErrorBox.h"

#include "widgets/MessageBoxes.h"

#include <QString>

#include <new>

namespace glimmora {

std::string ErrorText(const std::exception& error) {
    if (dynamic_cast<const std::bad_alloc*>(&error))
        return "There is not enough memory for this.";
    const std::string text = error.what();
    return text.empty() ? "An unexpected error occurred." : text;
}

void ShowErrorBox(QWidget* parent, const std::exception& error) {
    MessageBoxes::Error(parent, QString::fromStdString(ErrorText(error)));
}

}  // namespace glimmora
