#include "workspace/TBackgroundForm.h"

#include "generation/TVuzozUzev.h"
#include "widgets/ColorButton.h"
#include "widgets/FormLabels.h"
#include "widgets/SpinEdit.h"
#include "workspace/MessageBoxReporter.h"

#include <QFormLayout>
#include <QTimer>

namespace glimmora {

TBackgroundForm::TBackgroundForm(QWidget* owner, QWidget* panel, TVuzozUzev* builder, TGlobalVars& globals)
    : TChildForm(owner, panel), builder_(builder), globals_(globals)
{
    setObjectName("BackgroundForm");
    setWindowTitle("Movie Background  Properties");
    SetDockedLeft(3);
    setWindowFlag(Qt::WindowStaysOnTopHint, !panel);

    auto* layout = new QFormLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    bgColor_ = new ColorButton(this, 16751052);
    bgColor_->setObjectName("BGColor");
    bgColor_->setToolTip("Font Color");
    layout->addRow("&Color:", bgColor_);

    const auto spin = [this, layout](const char* name, const char* label, const char* hint, int maximum, int value) {
        auto* field = new SpinEdit(this, 1, maximum, value);
        field->setObjectName(name);
        field->setToolTip(hint);
        layout->addRow(label, field);
        connect(field, &SpinEdit::Changed, this, [this] { EditWidthChange(); });
        connect(field, &SpinEdit::EnterPressed, this, [this] { RunGuarded(Reporter(), [this] { StoreAndBuild(); }); });
        return field;
    };
    editRate_ = spin("EditRate", "&Fps:", "Rate", 90, 15);
    editWidth_ = spin("EditWidth", "&Width:", "Width", 800, 420);
    editWidth_->SetMaxTypedLength(3);
    editHeight_ = spin("EditHeight", "&Height:", "Height", 600, 180);
    editHeight_->SetMaxTypedLength(3);
    NameFormLabels(layout);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(1);
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, &TBackgroundForm::Timer1Timer);
    connect(bgColor_, &ColorButton::Changed, this, &TBackgroundForm::BGColorChange);
}

IErrorReporter& TBackgroundForm::Reporter() const
{
    return reporter_ ? *reporter_ : DefaultEditorReporter();
}

void TBackgroundForm::StoreAndBuild()
{
    if (!builder_) return;
    builder_->StoreMovieProperties();
    builder_->BuildMovie();
}

void TBackgroundForm::BGColorChange()
{
    if (globals_.LoadingMovieProperties) return;
    RunGuarded(Reporter(), [this] { StoreAndBuild(); });
}

void TBackgroundForm::EditWidthChange()
{
    if (globals_.LoadingMovieProperties) return;
    timer1_->start();
}

void TBackgroundForm::Timer1Timer()
{
    timer1_->stop();
    RunGuarded(Reporter(), [this] { StoreAndBuild(); });
    // The rebuild reloads the preview in the main window: take the focus back.
    if (isVisible()) activateWindow();
}

int TBackgroundForm::Color() const { return bgColor_->Color(); }
void TBackgroundForm::SetColor(int color) { bgColor_->SetColor(color); }
int TBackgroundForm::Width() const { return editWidth_->Value(); }
void TBackgroundForm::SetWidth(int pixels) { editWidth_->SetValue(pixels); }
int TBackgroundForm::Height() const { return editHeight_->Value(); }
void TBackgroundForm::SetHeight(int pixels) { editHeight_->SetValue(pixels); }
int TBackgroundForm::Rate() const { return editRate_->Value(); }
void TBackgroundForm::SetRate(int framesPerSecond) { editRate_->SetValue(framesPerSecond); }

}  // namespace glimmora
