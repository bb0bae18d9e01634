#pragma once
// The progress window "Wait Processing ..." shown while a chosen sound is
// converted into the sound object's wave file. The gauge follows the
// conversion block by block.
//
// Construction: TSoundSelectForm(QWidget* owner); the sound editor creates
// it at the first choice, owned by the main window, and every later choice
// (of any project) reuses it.

#include "effects/sound/conversion/ChosenSound.h"

#include "workspace/WaitWindow.h"

#include <QString>

#include <cstdint>

class QProgressBar;

namespace glimmora {

class IErrorReporter;
class ISoundEditor;
class TVuzozUzev;

class TSoundSelectForm : public WaitWindow {
    Q_OBJECT
public:
    explicit TSoundSelectForm(QWidget* owner);

    // The file to convert.
    QString SourceName;
    // Where every conversion is made before it replaces the object's wave.
    QString TempName() const;

    QProgressBar* Gauge() const { return gauge_; }
    bool Converting() const { return converting_; }

    // Converts SourceName into the wave file of the sound object loaded in
    // the builder's sound adapter (the project folder + ObjName + ".wav"),
    // replacing an earlier one, sets the adapter's WavePath and puts the
    // recorded name (the decoded temporary file for an MP3) into `editor`,
    // which stores it in the document. When nothing was converted the
    // object, its wave file and the document stay as they were, and the
    // reason goes to `reporter` ("Something error!" for a file that is not
    // PCM). Closes the window in every case. No build follows.
    SoundConversionResult ConvertSound(TVuzozUzev& builder, ISoundEditor& editor, IErrorReporter& reporter);

    // The conversion's progress after each block: the gauge shows the
    // percentage at once, and pending paint and timer events run.
    void WaveProgress(std::uint64_t curByte, std::uint64_t numBytes, bool& cancel);

private:
    QProgressBar* gauge_ = nullptr;
    bool converting_ = false;
};

}  // namespace glimmora
