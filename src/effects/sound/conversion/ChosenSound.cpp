#include "effects/sound/conversion/ChosenSound.h"

#include "document/ProjectFiles.h"
#include "effects/sound/conversion/ScratchFile.h"
#include "effects/sound/conversion/SoundDecoding.h"
#include "effects/sound/conversion/SoundError.h"
#include "effects/sound/conversion/WaveFile.h"
#include "objects/TGlobalVars.h"

#include <algorithm>
#include <cctype>

namespace glimmora {

namespace {

constexpr std::uint32_t kObjectSoundRate = 22050;

bool IsMp3Name(const std::string& name)
{
    std::string ext = std::filesystem::path(name).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return ext == ".MP3";
}

SoundConversionResult Outcome(SoundConversionStatus status, std::string text)
{
    SoundConversionResult result;
    result.status = status;
    (status == SoundConversionStatus::Converted ? result.content : result.message) = std::move(text);
    return result;
}

SoundConversionResult Convert(std::string sourceName, const std::filesystem::path& objectWaveFile,
                              const ProgressFn& progress, const std::filesystem::path& temporary)
{
    if (IsMp3Name(sourceName)) {
        DecodeToPcmWave(sourceName, temporary);
        sourceName = temporary.string();
    }

    WaveFile wave;
    wave.SetFileName(sourceName);
    if (wave.FormatTag() != kWaveFormatPcm)
        return Outcome(SoundConversionStatus::NotPcm, kSoundConversionError);

    // Whatever the source's sample size, the object's sound is 16-bit: the
    // only size the movie takes.
    const WaveFormatRecord target = BuildPcmFormat(16, 1, kObjectSoundRate);
    wave.SetSelectionEnd(std::int64_t(wave.DataSize()) - 1);
    wave.OnProgress = progress;
    if (wave.ConvertToFile(temporary, target) == ConversionOutcome::Cancelled)
        return Outcome(SoundConversionStatus::Cancelled, "The sound conversion was cancelled");

    MoveReplacing(temporary, objectWaveFile);
    return Outcome(SoundConversionStatus::Converted, sourceName);
}

}  // namespace

std::filesystem::path TemporarySoundFile()
{
    // In this editor's own working folder, where another running editor
    // never converts its sounds.
    const std::string& untitled = GlobalVars().UntitledBase;
    return (untitled.empty() ? TempFolder() : FolderOfBase(untitled)) / "test.wav";
}

SoundConversionResult ConvertChosenSound(const std::string& source, const std::filesystem::path& objectWaveFile,
                                         const ProgressFn& progress)
{
    return ConvertChosenSound(source, objectWaveFile, progress, TemporarySoundFile());
}

SoundConversionResult ConvertChosenSound(const std::string& source, const std::filesystem::path& objectWaveFile,
                                         const ProgressFn& progress, const std::filesystem::path& temporary)
{
    try {
        return Convert(source, objectWaveFile, progress, temporary);
    } catch (const SoundError& e) {
        return Outcome(SoundConversionStatus::Failed, e.what());
    } catch (const std::exception& e) {
        return Outcome(SoundConversionStatus::Failed, "Cannot convert the sound file \"" + source + "\": " + e.what());
    }
}

}  // namespace glimmora
