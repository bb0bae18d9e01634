#include "workspace/MessageBoxReporter.h"

#include "widgets/MessageBoxes.h"

namespace glimmora {

void MessageBoxReporter::ShowError(const std::string& message)
{
    MessageBoxes::Show(parent_, {MessageBoxes::Kind::Error, QString(), QString::fromStdString(message),
                                 QMessageBox::Ok});
}

void MessageBoxReporter::ShowErrorOfferingCancel(const std::string& message)
{
    MessageBoxes::Show(parent_, {MessageBoxes::Kind::Error, QString(), QString::fromStdString(message),
                                 QMessageBox::Ok | QMessageBox::Cancel});
}

void MessageBoxReporter::ShowObjectProblem(const ObjectProblem& problem)
{
    const std::string details = problem.reason.empty() ? problem.object : problem.object + ": " + problem.reason;
    MessageBoxes::Show(parent_, {MessageBoxes::Kind::Error, QString(), QString::fromStdString(problem.message),
                                 QMessageBox::Ok, QString::fromStdString(details)});
}

bool MessageBoxReporter::Confirm(const std::string& question)
{
    return MessageBoxes::Ask(parent_, QString::fromStdString(question), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

IErrorReporter& DefaultEditorReporter()
{
    static MessageBoxReporter reporter;
    return reporter;
}

}  // namespace glimmora
