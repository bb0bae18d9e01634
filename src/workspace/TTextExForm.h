#pragma once
// The text effect window "Text Effect Properties": the six effect values of
// the text being edited, each a spin edit paired with a slider bar.
//
// Construction: TTextExForm(QWidget* owner, TGlobalVars& globals) makes a free
// (undocked) tool window; the text editor creates and owns it (see TTextForm).
// A spin edit's change moves its slider; a slider's change (silenced while
// LoadingTextEditor is set) copies into its spin edit and asks the text editor
// to store and build through the callbacks below.

#include "generation/ITextEditor.h"
#include "objects/TGlobalVars.h"
#include "workspace/TChildForm.h"

#include <array>
#include <functional>

namespace glimmora {

class SliderBar;
class SpinEdit;

class TTextExForm : public TChildForm, public ITextEffectWindow {
    Q_OBJECT
public:
    TTextExForm(QWidget* owner, TGlobalVars& globals);

    int ExScale() const override;
    void SetExScale(int value) override;
    int ExRotate() const override;
    void SetExRotate(int value) override;
    int ExShock() const override;
    void SetExShock(int value) override;
    int ExColor() const override;
    void SetExColor(int value) override;
    int ExAlpha() const override;
    void SetExAlpha(int value) override;
    int ExSpeed() const override;
    void SetExSpeed(int value) override;

    // A fresh window: hidden, every value 0, without change events.
    void Reset();

    // Set by the text editor: a change of Slider1 to Slider5 (store and
    // build), and of Slider6 (the speed, which also moves the end frame).
    std::function<void()> OnValueChanged;
    std::function<void()> OnSpeedChanged;

    SpinEdit& Spin(int index) const { return *spins_[index]; }
    SliderBar& Slider(int index) const { return *sliders_[index]; }

private:
    void SliderChange(int index, int position);

    TGlobalVars& globals_;
    std::array<SpinEdit*, 6> spins_{};
    std::array<SliderBar*, 6> sliders_{};
};

}  // namespace glimmora
