#pragma once
// The background editor "Movie Background  Properties": the movie's
// background colour, frame rate, width and height. A colour choice stores and
// builds at once; field changes after a 1 ms pause (Timer1); Enter at once.
//
// Construction: TBackgroundForm(QWidget* owner, QWidget* panel, TVuzozUzev*
// builder, TGlobalVars& globals) docks the editor into `panel` (nullptr: free
// window). `builder` may be nullptr at first and given later with
// SetBuilder(), since the builder takes the editor as hooks.background when
// it is made. Errors in a handler go to the reporter (message box unless
// SetReporter).

#include "generation/IBackgroundEditor.h"
#include "objects/TGlobalVars.h"
#include "workspace/TChildForm.h"

class QTimer;

namespace glimmora {

class ColorButton;
class IErrorReporter;
class SpinEdit;
class TVuzozUzev;

class TBackgroundForm : public TChildForm, public IBackgroundEditor {
    Q_OBJECT
public:
    TBackgroundForm(QWidget* owner, QWidget* panel, TVuzozUzev* builder, TGlobalVars& globals);

    void SetBuilder(TVuzozUzev* builder) { builder_ = builder; }
    void SetReporter(IErrorReporter* reporter) { reporter_ = reporter; }

    // IBackgroundEditor
    int Color() const override;
    void SetColor(int color) override;
    int Width() const override;
    void SetWidth(int pixels) override;
    int Height() const override;
    void SetHeight(int pixels) override;
    int Rate() const override;
    void SetRate(int framesPerSecond) override;

private:
    IErrorReporter& Reporter() const;
    void StoreAndBuild();
    void BGColorChange();
    void EditWidthChange();
    void Timer1Timer();

    TVuzozUzev* builder_;
    TGlobalVars& globals_;
    IErrorReporter* reporter_ = nullptr;

    ColorButton* bgColor_ = nullptr;
    SpinEdit* editRate_ = nullptr;
    SpinEdit* editWidth_ = nullptr;
    SpinEdit* editHeight_ = nullptr;
    QTimer* timer1_ = nullptr;
};

}  // namespace glimmora
