#include "workspace/MessageBoxReporter.h"

#include "widgets/MessageBoxes.h"

namespace glimmora {

void MessageBoxReporter::ShowError(const std::string& message)
{
    MessageBoxes::Show(parent_, {MessageBoxes::Kind::Error, QString(), QString::fromStdString(message),
                                 QMessageBox::Ok | QMessageBox::Cancel});
}

IErrorReporter& DefaultEditorReporter()
{
    static MessageBoxReporter reporter;
    return reporter;
}

}  // namespace glimmora
