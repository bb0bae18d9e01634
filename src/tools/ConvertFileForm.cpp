#include "tools/ConvertFileForm.h"

#include "widgets/ErrorBox.h"
#include "widgets/MessageBoxes.h"
#include "widgets/WaitCursor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace glimmora {

namespace {

constexpr const char* kConverted = "File has been converted successfully!";

QLabel* AddLabel(QWidget* parent, const char* name, const char* text, QRect where)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(where);
    return label;
}

QLineEdit* AddEdit(QWidget* parent, const char* name, QRect where)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(where);
    return edit;
}

std::filesystem::path PathOf(const QLineEdit& edit)
{
    return std::filesystem::path(edit.text().trimmed().toStdString());
}

}  // namespace

ConvertFileForm::ConvertFileForm(QWidget* owner, const Texts& texts)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      failure_(texts.failure),
      extension_(texts.extension)
{
    setObjectName(texts.objectName);
    setWindowTitle(texts.caption);
    setFixedSize(texts.clientSize);

    const int width = texts.clientSize.width();
    const int editLeft = 112, editWidth = width - editLeft - 12;
    AddLabel(this, "Label1", texts.heading, QRect(8, 8, width - 16, 17));
    AddLabel(this, "Label2", texts.sourceLabel, QRect(16, 36, editLeft - 20, 17));
    source_ = AddEdit(this, texts.sourceEdit, QRect(editLeft, 32, editWidth, 23));
    AddLabel(this, "Label3", texts.targetLabel, QRect(16, 64, editLeft - 20, 17));
    target_ = AddEdit(this, texts.targetEdit, QRect(editLeft, 60, editWidth, 23));

    const int buttonTop = texts.clientSize.height() - 31;
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OK");
    ok_->setGeometry(width / 2 - 80, buttonTop, 75, 25);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &ConvertFileForm::OKClick);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("Cancel");
    cancel_->setGeometry(width / 2 + 5, buttonTop, 75, 25);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

bool ConvertFileForm::MayWrite(const std::filesystem::path& source, const std::filesystem::path& target)
{
    const std::filesystem::path file =
        target.empty() && !source.empty() ? std::filesystem::path(source).replace_extension(extension_) : target;
    std::error_code error;
    if (file.empty() || !std::filesystem::exists(file, error) || std::filesystem::equivalent(file, source, error))
        return true;  // nothing to replace, or the conversion refuses it itself
    const QString question =
        QStringLiteral("The file \"%1\" already exists.\nDo you want to replace it?").arg(QString::fromStdString(file.string()));
    return MessageBoxes::Ask(this, question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void ConvertFileForm::OKClick()
{
    const std::filesystem::path source = PathOf(*source_);
    const std::filesystem::path target = PathOf(*target_);
    if (!MayWrite(source, target)) return;
    bool converted = false;
    try {
        WaitCursor busy;
        converted = Convert(source, target);
    } catch (const std::exception& error) {
        ShowErrorBox(this, error);
        return;
    }
    MessageBoxes::Information(this, converted ? QString(kConverted) : failure_);
    accept();
}

}  // namespace glimmora
