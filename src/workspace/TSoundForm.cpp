#include "workspace/TSoundForm.h"

#include "generation/TVuzozUzev.h"
#include "workspace/ChosenFileFolder.h"
#include "workspace/MessageBoxReporter.h"
#include "workspace/TSoundSelectForm.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <stdexcept>

namespace glimmora {

const char* TSoundForm::SoundFilter()
{
    return "All Sound Files (*.mp3 *.wav)";
}

TSoundForm::TSoundForm(QWidget* owner, QWidget* panel, TVuzozUzev* builder, TGlobalVars& globals)
    : TChildForm(owner, panel), builder_(builder), globals_(globals)
{
    setObjectName("SoundForm");
    setWindowTitle("Sound Properties");
    SetDockedLeft(3);
    BuildControls();
}

TSoundForm::~TSoundForm()
{
    // Without an owner to keep it, the progress window goes with the editor.
    if (!Owner()) delete selectForm_.data();
}

void TSoundForm::BuildControls()
{
    label_ = new QLabel("Sound Filename:", this);
    label_->setObjectName("Label1");
    label_->move(7, 6);
    label_->adjustSize();

    content_ = new QLineEdit(this);
    content_->setObjectName("Content");
    content_->setGeometry(8, 26, 121, 21);
    connect(content_, &QLineEdit::textChanged, this, [this] { ContentChange(); });

    openBtn_ = new QPushButton("&Select", this);
    openBtn_->setObjectName("OpenBtn");
    openBtn_->setGeometry(133, 24, 43, 25);
    openBtn_->setDefault(true);
    connect(openBtn_, &QPushButton::clicked, this, [this] { OpenBtnClick(); });
    // The default button: Enter in the window presses it.
    connect(content_, &QLineEdit::returnPressed, openBtn_, &QPushButton::click);

    openSoundDialog_ = new QFileDialog(this);
    openSoundDialog_->setObjectName("OpenSoundDialog");
    openSoundDialog_->setFileMode(QFileDialog::ExistingFile);
    openSoundDialog_->setAcceptMode(QFileDialog::AcceptOpen);
    openSoundDialog_->setNameFilter(SoundFilter());
}

TSoundSelectForm* TSoundForm::SelectForm() const { return selectForm_.data(); }

IErrorReporter& TSoundForm::Reporter() const
{
    return reporter_ ? *reporter_ : DefaultEditorReporter();
}

std::string TSoundForm::Content() const { return content_->text().toStdString(); }

void TSoundForm::SetContent(const std::string& text) { content_->setText(QString::fromStdString(text)); }

void TSoundForm::ContentChange()
{
    // Filling the editor from the document writes nothing back.
    if (globals_.LoadingSoundEditor) return;
    RunGuarded(Reporter(), [this] {
        if (builder_) builder_->SoundAdapter->StoreFromEditor();
    });
}

void TSoundForm::OpenBtnClick()
{
    if (selectForm_ && selectForm_->Converting()) return;  // one conversion at a time
    openSoundDialog_->setDirectory(QString::fromStdString(globals_.LastOpenDir));
    if (openSoundDialog_->exec() != QDialog::Accepted) return;
    const QStringList files = openSoundDialog_->selectedFiles();
    if (files.isEmpty() || files.front().isEmpty()) return;
    ChooseSound(files.front());
}

TSoundSelectForm& TSoundForm::EnsureSelectForm()
{
    if (selectForm_) return *selectForm_;
    // One progress window for the program: the main window keeps it across
    // projects, so a later editor finds the one an earlier editor made.
    if (QWidget* owner = Owner())
        selectForm_ = owner->findChild<TSoundSelectForm*>(QString(), Qt::FindDirectChildrenOnly);
    if (!selectForm_) selectForm_ = new TSoundSelectForm(Owner());
    return *selectForm_;
}

bool TSoundForm::ChooseSound(const QString& file)
{
    bool converted = false;
    RunGuarded(Reporter(), [&] {
        if (!builder_) throw std::runtime_error("No movie is open");
        if (file.isEmpty()) return;
        TSoundSelectForm& progress = EnsureSelectForm();
        if (progress.Converting()) return;
        progress.SourceName = file;
        progress.show();
        progress.repaint();  // painted before the conversion holds the thread
        const SoundConversionResult result = progress.ConvertSound(*builder_, *this, Reporter());
        converted = result.Converted();
        // The folder moves once a conversion ran, whatever its outcome.
        globals_.LastOpenDir = ChosenFileFolder(file);
    });
    return converted;
}

}  // namespace glimmora
