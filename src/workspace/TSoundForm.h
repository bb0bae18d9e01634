#pragma once
// The sound editor "Sound Properties": the file name of the selected sound
// object and the button that chooses a new sound. A chosen file is converted
// through the progress window into the object's wave file; a typed name is
// only recorded. Neither builds the movie.
//
// Construction: TSoundForm(QWidget* owner, QWidget* panel, TVuzozUzev* builder,
// TGlobalVars& globals) docks the editor into `panel` (nullptr: free window).
// `builder` may be nullptr at first and given later with SetBuilder(), since
// the builder takes the editor as hooks.soundEditor when it is made. The
// progress window belongs to `owner` (the main window) and outlives the
// editor; without an owner the editor keeps it. Errors and the conversion's
// messages go to the reporter (message boxes unless SetReporter).

#include "generation/ISoundEditor.h"
#include "objects/TGlobalVars.h"
#include "workspace/TChildForm.h"

#include <QPointer>
#include <QString>

#include <map>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace glimmora {

class IErrorReporter;
class TFileDialog;
class TSoundSelectForm;
class TVuzozUzev;

class TSoundForm : public TChildForm, public ISoundEditor {
    Q_OBJECT
public:
    TSoundForm(QWidget* owner, QWidget* panel, TVuzozUzev* builder, TGlobalVars& globals);
    ~TSoundForm() override;

    void SetBuilder(TVuzozUzev* builder) { builder_ = builder; }
    void SetReporter(IErrorReporter* reporter) { reporter_ = reporter; }

    // ISoundEditor
    std::string Content() const override;
    void SetContent(const std::string& text) override;

    // The button: choose a file in OpenSoundDialog, then ChooseSound.
    void OpenBtnClick();
    // Converts `file` through the progress window into the object's wave
    // file and records its name; remembers its folder in LastOpenDir. True
    // when the sound was converted and recorded.
    bool ChooseSound(const QString& file);

    // The progress window, once a sound has been chosen.
    TSoundSelectForm* SelectForm() const;

    // The file dialog's filter.
    static const char* SoundFilter();

private:
    struct ChosenFile {
        std::string recorded;  // the object's Content that the choice recorded
        QString file;          // the file the user chose
    };

    void BuildControls();
    // Shows `file` in the edit in place of `recorded`, which Content() reads.
    void ShowChosenFile(const QString& file, const std::string& recorded);
    IErrorReporter& Reporter() const;
    TSoundSelectForm& EnsureSelectForm();
    void ContentChange();

    TVuzozUzev* builder_;
    TGlobalVars& globals_;
    IErrorReporter* reporter_ = nullptr;

    QLabel* label_ = nullptr;
    QLineEdit* content_ = nullptr;
    QPushButton* openBtn_ = nullptr;
    TFileDialog* openSoundDialog_ = nullptr;
    QPointer<TSoundSelectForm> selectForm_;
    std::map<std::string, ChosenFile> chosen_;  // by object name, for this session
    std::optional<std::string> standsFor_;      // the recorded name behind a chosen file shown
};

}  // namespace glimmora
