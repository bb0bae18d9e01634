#pragma once
// The picture editor "Picture Properties": picture, position, size, start and
// end frames and effect of the selected picture object. Field changes store
// and build once after a 1 ms pause (Timer1); Enter stores and builds at once;
// clicking the picture imports a new one through the wait window.
//
// Construction: TPicForm(QWidget* owner, QWidget* panel, TVuzozUzev* builder,
// TGlobalVars& globals) docks the editor into `panel` (nullptr: free window).
// `builder` may be nullptr at first and given later with SetBuilder(), since
// the builder takes the editor as hooks.picEditor when it is made. Errors in
// a handler and the import's messages go to the reporter (message boxes
// unless SetReporter).

#include "generation/IPicEditor.h"
#include "objects/TGlobalVars.h"
#include "workspace/ComboChoiceList.h"
#include "workspace/TChildForm.h"

#include <QPointer>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace glimmora {

class IErrorReporter;
class TFileDialog;
class SpinEdit;
class TPicSelectForm;
class TVuzozUzev;

class TPicForm : public TChildForm, public IPicEditor {
    Q_OBJECT
public:
    TPicForm(QWidget* owner, QWidget* panel, TVuzozUzev* builder, TGlobalVars& globals);
    ~TPicForm() override;

    void SetBuilder(TVuzozUzev* builder) { builder_ = builder; }
    void SetReporter(IErrorReporter* reporter) { reporter_ = reporter; }

    // IPicEditor
    void LoadImage(const std::string& file) override;
    void ClearImage() override;
    int EditPositionX() const override;
    void SetEditPositionX(int pixels) override;
    int EditPositionY() const override;
    void SetEditPositionY(int pixels) override;
    int EditWidth() const override;
    void SetEditWidth(int pixels) override;
    int EditHeight() const override;
    void SetEditHeight(int pixels) override;
    int EditBegin() const override;
    void SetEditBegin(int frame) override;
    int EditEnd() const override;
    void SetEditEnd(int frame) override;
    IChoiceList& EffectName() override { return effectNames_; }

    // Whether the preview shows a picture.
    bool HasImage() const;

    // The picture's click: choose a file in the dialog, then ImportFile.
    void ContentClick();
    // Imports `file` as the object's picture through the wait window and
    // remembers its folder in LastOpenDir. True when the picture was taken.
    bool ImportFile(const QString& file);

signals:
    // An import failed on a picture object that has no picture yet.
    void importFailedOnEmptyObject();

public:
    // The file dialog's filter.
    static const char* PictureFilter();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    IErrorReporter& Reporter() const;
    void EditPositionXChange();
    void EditPositionXKeyDown();
    void Timer1Timer();
    void EffectNameChange();

    TVuzozUzev* builder_;
    TGlobalVars& globals_;
    IErrorReporter* reporter_ = nullptr;

    QLabel* content_ = nullptr;
    QLabel* contentHint_ = nullptr;  // inside the box while it is empty
    QPushButton* chooseBtn_ = nullptr;
    SpinEdit* positionX_ = nullptr;
    SpinEdit* positionY_ = nullptr;
    SpinEdit* width_ = nullptr;
    SpinEdit* height_ = nullptr;
    QComboBox* effectName_ = nullptr;
    SpinEdit* editBegin_ = nullptr;
    SpinEdit* editEnd_ = nullptr;
    QTimer* timer1_ = nullptr;
    TFileDialog* openPictureDialog_ = nullptr;
    QPointer<TPicSelectForm> waitForm_;
    ComboChoiceList effectNames_;
};

}  // namespace glimmora
