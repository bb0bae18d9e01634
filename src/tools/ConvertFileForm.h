#pragma once
// The layout and the OK handling that the two projector dialogs share: a
// heading, the source and target file edits and an OK button, in a fixed
// dialog without Cancel (its close box converts nothing).

#include <QDialog>
#include <QString>

#include <exception>
#include <filesystem>

class QLabel;
class QLineEdit;
class QPushButton;

namespace glimmora {

class ConvertFileForm : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        const char* objectName;  // "SwfToExeForm"
        const char* caption;     // "Convert Swf To Exe"
        QSize clientSize;
        const char* heading;      // "Convert Swf To Exe:"
        const char* sourceLabel;  // "Source file(.swf):"
        const char* targetLabel;  // "Taget file(.exe):"
        const char* sourceEdit;   // "SourceSwf"
        const char* targetEdit;   // "TargetExe"
        const char* failure;      // the message when the conversion returns false
    };

    // Runs the conversion with the two edits' texts and reports it: the
    // success or failure message, then the dialog closes. An error is shown
    // with its text and the dialog stays open.
    void OKClick();
    QPushButton& OK() const { return *ok_; }

protected:
    ConvertFileForm(QWidget* owner, const Texts& texts);
    // The conversion: true converted, false the failure message.
    virtual bool Convert(const std::filesystem::path& source, const std::filesystem::path& target) = 0;

    QLineEdit& SourceEdit() const { return *source_; }
    QLineEdit& TargetEdit() const { return *target_; }

private:
    QString failure_;
    QLineEdit* source_ = nullptr;
    QLineEdit* target_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace glimmora
