#include "workspace/TSoundForm.h"

#include "generation/TVuzozUzev.h"
#include "widgets/FileDialog.h"
#include "workspace/ChosenFileFolder.h"
#include "workspace/MessageBoxReporter.h"
#include "workspace/TSoundSelectForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    label_ = new QLabel("Sound Filename:", this);
    label_->setObjectName("Label1");
    layout->addWidget(label_);

    auto* row = new QHBoxLayout;
    content_ = new QLineEdit(this);
    content_->setObjectName("Content");
    label_->setBuddy(content_);
    connect(content_, &QLineEdit::textChanged, this, [this] { ContentChange(); });
    row->addWidget(content_, 1);

    openBtn_ = new QPushButton("&Select", this);
    openBtn_->setObjectName("OpenBtn");
    openBtn_->setDefault(true);
    row->addWidget(openBtn_);
    layout->addLayout(row);
    layout->addStretch(1);
    connect(openBtn_, &QPushButton::clicked, this, [this] { OpenBtnClick(); });
    // The default button: Enter in the window presses it.
    connect(content_, &QLineEdit::returnPressed, openBtn_, &QPushButton::click);

    openSoundDialog_ = new TFileDialog(this, "OpenSoundDialog", TFileDialog::Mode::Open, "Open", SoundFilter());
}

TSoundSelectForm* TSoundForm::SelectForm() const { return selectForm_.data(); }

IErrorReporter& TSoundForm::Reporter() const
{
    return reporter_ ? *reporter_ : DefaultEditorReporter();
}

std::string TSoundForm::Content() const
{
    return standsFor_ ? *standsFor_ : content_->text().toStdString();
}

void TSoundForm::SetContent(const std::string& text)
{
    standsFor_.reset();
    // An object shown again shows the file chosen for it, while its
    // recorded name is still the one that choice recorded.
    if (globals_.LoadingSoundEditor && builder_) {
        const auto found = chosen_.find(builder_->SoundAdapter->ObjName);
        if (found != chosen_.end() && found->second.recorded == text) {
            ShowChosenFile(found->second.file, text);
            return;
        }
    }
    content_->setText(QString::fromStdString(text));
}

void TSoundForm::ShowChosenFile(const QString& file, const std::string& recorded)
{
    LoadingFlagGuard loading(globals_.LoadingSoundEditor);  // shown, not recorded
    content_->setText(file);
    standsFor_ = recorded;
}

void TSoundForm::ContentChange()
{
    // Filling the editor from the document writes nothing back.
    if (globals_.LoadingSoundEditor) return;
    standsFor_.reset();  // the name typed is the name recorded
    RunGuarded(Reporter(), [this] {
        if (builder_) builder_->SoundAdapter->StoreFromEditor();
    });
}

void TSoundForm::OpenBtnClick()
{
    if (selectForm_ && selectForm_->Converting()) return;  // one conversion at a time
    const QString file = openSoundDialog_->Run(this, QString::fromStdString(globals_.LastOpenDir));
    if (file.isEmpty()) return;
    ChooseSound(file);
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
        // A decoded MP3 records the name of its decoded wave; the editor
        // shows the file the user chose all the same.
        if (converted && result.content != file.toStdString()) {
            chosen_[builder_->SoundAdapter->ObjName] = {result.content, file};
            ShowChosenFile(file, result.content);
        }
        // The folder moves once a conversion ran, whatever its outcome.
        globals_.LastOpenDir = ChosenFileFolder(file);
    });
    return converted;
}

}  // namespace glimmora
