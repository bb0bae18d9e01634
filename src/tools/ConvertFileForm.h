#pragma once
// The layout and the OK handling that the two projector dialogs share: a
// heading, the source and target file edits, OK and Cancel, in a fixed
// dialog (its close box, like Cancel, converts nothing). An existing target
// is replaced only when the user says so.

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
        const char* sourceLabel;  // "Source file (.swf):"
        const char* targetLabel;  // "Target file (.exe):"
        const char* sourceEdit;   // "SourceSwf"
        const char* targetEdit;   // "TargetExe"
        const char* failure;      // the message when the conversion returns false
        const char* extension;    // of the target when its edit is empty: ".exe"
    };

    // Runs the conversion with the two edits' texts and reports it: the
    // success or failure message, then the dialog closes. An error is shown
    // with its text and the dialog stays open; so it does when the target
    // exists and the user does not want it replaced.
    void OKClick();
    QPushButton& OK() const { return *ok_; }
    QPushButton& Cancel() const { return *cancel_; }

protected:
    ConvertFileForm(QWidget* owner, const Texts& texts);
    // The conversion: true converted, false the failure message.
    virtual bool Convert(const std::filesystem::path& source, const std::filesystem::path& target) = 0;

    QLineEdit& SourceEdit() const { return *source_; }
    QLineEdit& TargetEdit() const { return *target_; }

private:
    // Whether the target (the source's name with the extension when the
    // target edit is empty) is new, or the user agrees to replace it.
    bool MayWrite(const std::filesystem::path& source, const std::filesystem::path& target);

    QString failure_;
    const char* extension_;
    QLineEdit* source_ = nullptr;
    QLineEdit* target_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace glimmora
