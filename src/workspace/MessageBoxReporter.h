#pragma once
// Shows the program's messages and the errors caught at an editor handler's
// edge in an error box through MessageBoxes (whose sink tests replace). Tests
// may also give an editor a collecting reporter of its own.

#include "objects/ErrorReporter.h"
#include "widgets/ErrorBox.h"

#include <exception>

class QWidget;

namespace glimmora {

class MessageBoxReporter : public IErrorReporter {
public:
    explicit MessageBoxReporter(QWidget* parent = nullptr) : parent_(parent) {}
    // An error box: error icon and an OK button.
    void ShowError(const std::string& message) override;
    // The same box with the program's message, and the object and the reason
    // below it.
    void ShowObjectProblem(const ObjectProblem& problem) override;
    // An error box with OK and Cancel; the answer does not matter.
    void ShowErrorOfferingCancel(const std::string& message) override;
    // A question box with Yes and No.
    bool Confirm(const std::string& question) override;

private:
    QWidget* parent_;
};

// The reporter an editor uses when none was given.
IErrorReporter& DefaultEditorReporter();

// Runs `handler`; an exception it throws goes to `reporter` with its text and
// the program goes on.
template <typename Handler>
void RunGuarded(IErrorReporter& reporter, Handler&& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        reporter.ShowError(ErrorText(error));
    }
}

}  // namespace glimmora
