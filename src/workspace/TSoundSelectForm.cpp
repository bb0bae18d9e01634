#include "workspace/TSoundSelectForm.h"

#include "document/ProjectFiles.h"
#include "document/ProjectMedia.h"
#include "generation/ISoundEditor.h"
#include "generation/TVuzozUzev.h"
#include "objects/ErrorReporter.h"

#include <QApplication>
#include <QProgressBar>
#include <QVBoxLayout>

#include <stdexcept>

namespace glimmora {

TSoundSelectForm::TSoundSelectForm(QWidget* owner) : WaitWindow(owner, "SoundSelectForm")
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    gauge_ = new QProgressBar(this);
    gauge_->setObjectName("Gauge");
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    gauge_->setTextVisible(true);
    gauge_->setFormat("%p%");
    layout->addWidget(gauge_);
}

QString TSoundSelectForm::TempName() const
{
    return QString::fromStdString(TemporarySoundFile().string());
}

SoundConversionResult TSoundSelectForm::ConvertSound(TVuzozUzev& builder, ISoundEditor& editor,
                                                     IErrorReporter& reporter)
{
    struct Finish {
        TSoundSelectForm* form;
        ~Finish()
        {
            form->converting_ = false;
            form->gauge_->setValue(0);
            form->close();
        }
    } finish{this};
    converting_ = true;
    gauge_->setValue(0);

    TFlashSoundF& adapter = *builder.SoundAdapter;
    if (adapter.ObjName.empty()) throw std::runtime_error("No sound object is open in the editor");
    // The object's name now: it may have been renamed since it was shown. A
    // name that cannot name a file is refused before anything is converted.
    const std::string name = adapter.EditedName();
    if (auto problem = MediaNameProblem(name)) throw std::runtime_error(*problem + ". Rename the object first.");
    // The sound waits in the session's staging folder until the project is
    // saved; the project folder is not touched.
    const std::filesystem::path objectWave = std::filesystem::path(builder.Media.NewStagedName()).concat(".wav");

    SoundConversionResult result = ConvertChosenSound(
        SourceName.toStdString(), objectWave,
        [this](std::uint64_t curByte, std::uint64_t numBytes, bool& cancel) { WaveProgress(curByte, numBytes, cancel); });
    if (!result.Converted()) {
        close();  // the message is not left behind the progress window
        reporter.ShowError(result.message);
        return result;
    }

    builder.Media.Set(MediaKind::Sound, name, MediaSource{objectWave, {}});
    adapter.ObjName = name;
    adapter.WavePath = objectWave.string();
    adapter.Content = result.content;
    editor.SetContent(result.content);
    // The edit's change records the name; when the name is the one shown
    // already (the same file again, or a second MP3) the edit does not
    // change, and the name is recorded here all the same.
    adapter.StoreFromEditor();
    return result;
}

void TSoundSelectForm::WaveProgress(std::uint64_t curByte, std::uint64_t numBytes, bool& cancel)
{
    (void)cancel;  // never cancelled from here
    gauge_->setValue(WaveProgressPercent(curByte, numBytes));
    gauge_->repaint();
    // Paint and timers run; input waits until the conversion has finished,
    // so that nothing can close the project under it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace glimmora
