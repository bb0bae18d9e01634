#pragma once
// The text editor "Text Properties": content, font, size, colour, position,
// start and end frames and effect of the selected text object. Every change
// stores into the document through the builder's text adapter and rebuilds.
//
// Construction: TTextForm(QWidget* owner, QWidget* panel, TVuzozUzev* builder,
// TGlobalVars& globals) docks the editor into `panel` (nullptr: free window)
// and creates its text effect window (EffectWindow(), a free window owned by
// `owner`). `builder` may be nullptr at first and given later with
// SetBuilder(), since the builder takes the editors as hooks when it is made:
// hooks.textEditor = form, hooks.textEffectWindow = &form->EffectWindow().
// Errors in a handler go to the reporter (message box unless SetReporter).

#include "generation/ITextEditor.h"
#include "objects/TGlobalVars.h"
#include "workspace/ComboChoiceList.h"
#include "workspace/TChildForm.h"
#include "workspace/TTextExForm.h"

#include <QPointer>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace glimmora {

class ColorButton;
class IErrorReporter;
class SpinEdit;
class TVuzozUzev;

class TTextForm : public TChildForm, public ITextEditor {
    Q_OBJECT
public:
    TTextForm(QWidget* owner, QWidget* panel, TVuzozUzev* builder, TGlobalVars& globals);
    ~TTextForm() override;

    void SetBuilder(TVuzozUzev* builder) { builder_ = builder; }
    void SetReporter(IErrorReporter* reporter) { reporter_ = reporter; }
    TTextExForm& EffectWindow() { return *exForm_; }

    // ITextEditor
    std::string Content() const override;
    void SetContent(const std::string& text) override;
    int EditBegin() const override;
    void SetEditBegin(int frame) override;
    int EditEnd() const override;
    void SetEditEnd(int frame) override;
    int PositionX() const override;
    void SetPositionX(int pixels) override;
    int PositionY() const override;
    void SetPositionY(int pixels) override;
    IChoiceList& FontName() override { return fontNames_; }
    IChoiceList& FontSize() override { return fontSizes_; }
    int FontColor() const override;
    void SetFontColor(int color) override;
    IChoiceList& EffectName() override { return effectNames_; }

    // Image1's click: shows the effect window beside the editor.
    void Image1Click();
    // Gives the text field the keyboard focus with its content selected, so
    // that typing replaces it.
    void FocusContent();

private:
    void BuildControls();
    void StoreAndBuild();
    bool Loading() const { return globals_.LoadingTextEditor; }
    IErrorReporter& Reporter() const;
    void FieldChange();       // Content, PositionX, PositionY, EditBegin
    void EditEndChange();
    void FontChange();        // FontName, FontSize, FontColor
    void EffectNameChange();
    void ShowNotShownReason();
    void SpeedSliderChange(); // Slider6 of the effect window

    TVuzozUzev* builder_;
    TGlobalVars& globals_;
    IErrorReporter* reporter_ = nullptr;

    QLineEdit* content_ = nullptr;
    QLabel* notShown_ = nullptr;  // why the movie leaves the text out, when it does
    QComboBox* fontName_ = nullptr;
    QComboBox* fontSize_ = nullptr;
    ColorButton* fontColor_ = nullptr;
    SpinEdit* positionX_ = nullptr;
    SpinEdit* positionY_ = nullptr;
    SpinEdit* editBegin_ = nullptr;
    SpinEdit* editEnd_ = nullptr;
    QComboBox* effectName_ = nullptr;
    QToolButton* image1_ = nullptr;
    QPointer<TTextExForm> exForm_;

    ComboChoiceList fontNames_;
    ComboChoiceList fontSizes_;
    ComboChoiceList effectNames_;
};

}  // namespace glimmora
