#include "workspace/TTextExForm.h"

#include "widgets/SliderBar.h"
#include "widgets/SpinEdit.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace glimmora {

namespace {

struct ExField {
    const char* spin;
    const char* slider;
    const char* label;
    int minimum;
    int maximum;
};

constexpr std::array<ExField, 6> kFields = {{
    {"ExScale", "Slider1", "Scale:", -10, 10},
    {"ExRotate", "Slider2", "Rotate:", 0, 10},
    {"ExShock", "Slider3", "Shock:", -100, 100},
    {"ExColor", "Slider4", "Color:", 0, 100},
    {"ExAlpha", "Slider5", "Fade:", -255, 255},
    {"ExSpeed", "Slider6", "Speed:", 0, 200},
}};

constexpr int kSpeed = 5;
constexpr int kTitleButtonsWidth = 120;  // three title buttons and the frame's margins

}  // namespace

TTextExForm::TTextExForm(QWidget* owner, TGlobalVars& globals) : TChildForm(owner), globals_(globals)
{
    setObjectName("TextExForm");
    setWindowTitle("Text Effect Properties");
    // Wide enough for the whole caption in a title bar beside its buttons.
    QFont title = font();
    title.setBold(true);
    setMinimumWidth(QFontMetrics(title).horizontalAdvance(windowTitle()) + kTitleButtonsWidth);
    auto* layout = new QGridLayout(this);
    for (int i = 0; i < int(kFields.size()); ++i) {
        const ExField& field = kFields[i];
        auto* label = new QLabel(field.label, this);
        spins_[i] = new SpinEdit(this, field.minimum, field.maximum, 0);
        spins_[i]->setObjectName(field.spin);
        sliders_[i] = new SliderBar(this, field.minimum, field.maximum);
        sliders_[i]->setObjectName(field.slider);
        label->setBuddy(spins_[i]);
        layout->addWidget(label, i, 0);
        layout->addWidget(sliders_[i], i, 1);
        layout->addWidget(spins_[i], i, 2);

        // Not guarded: the slider follows its spin edit, and its change stores.
        connect(spins_[i], &SpinEdit::Changed, this, [this, i](int value) {
            if (sliders_[i]->value() != value) {
                sliders_[i]->setValue(value);
                return;
            }
            // A typed number brought into the range where the slider stands
            // already: the slider reports no change, the value is stored all the same.
            if (!spins_[i]->Typing()) SliderChange(i, value);
        });
        connect(sliders_[i], &QSlider::valueChanged, this, [this, i](int position) { SliderChange(i, position); });
    }
}

void TTextExForm::SliderChange(int index, int position)
{
    if (globals_.LoadingTextEditor) return;
    spins_[index]->SetValue(position);
    if (index == kSpeed) {
        if (OnSpeedChanged) OnSpeedChanged();
    } else if (OnValueChanged) {
        OnValueChanged();
    }
}

void TTextExForm::Reset()
{
    hide();
    for (int i = 0; i < int(spins_.size()); ++i) {
        const QSignalBlocker spinBlock(spins_[i]);
        const QSignalBlocker sliderBlock(sliders_[i]);
        spins_[i]->SetValue(0);
        sliders_[i]->setValue(0);
    }
}

int TTextExForm::ExScale() const { return spins_[0]->Value(); }
void TTextExForm::SetExScale(int value) { spins_[0]->SetValue(value); }
int TTextExForm::ExRotate() const { return spins_[1]->Value(); }
void TTextExForm::SetExRotate(int value) { spins_[1]->SetValue(value); }
int TTextExForm::ExShock() const { return spins_[2]->Value(); }
void TTextExForm::SetExShock(int value) { spins_[2]->SetValue(value); }
int TTextExForm::ExColor() const { return spins_[3]->Value(); }
void TTextExForm::SetExColor(int value) { spins_[3]->SetValue(value); }
int TTextExForm::ExAlpha() const { return spins_[4]->Value(); }
void TTextExForm::SetExAlpha(int value) { spins_[4]->SetValue(value); }
int TTextExForm::ExSpeed() const { return spins_[5]->Value(); }
void TTextExForm::SetExSpeed(int value) { spins_[5]->SetValue(value); }

}  // namespace glimmora
