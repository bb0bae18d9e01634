#pragma once
// The conversion of a sound file the user chose: an MP3 is decoded first, the
// PCM wave becomes 16-bit mono at 22050 samples per second (whatever its own
// sample size), and the result replaces the sound object's wave file.

#include "effects/sound/conversion/WaveProgress.h"

#include <filesystem>
#include <string>

namespace glimmora {

// The generic failure text of a sound conversion.
inline constexpr const char* kSoundConversionError = "Something error!";

enum class SoundConversionStatus {
    Converted,  // the object wave file holds the new sound; record `content`
    NotPcm,     // the (decoded) file is not PCM: message "Something error!"
    Failed,     // the file could not be read, decoded or written: message says why
    Cancelled,  // the progress handler cancelled
};

struct SoundConversionResult {
    SoundConversionStatus status = SoundConversionStatus::Failed;
    std::string content;  // the name to record in the object's Content
    std::string message;  // why nothing was installed
    bool Converted() const { return status == SoundConversionStatus::Converted; }
};

// "test.wav" in the folder of this editor's untitled base (TempFolder() when
// there is none): where every chosen sound is converted.
std::filesystem::path TemporarySoundFile();

// Converts `source` into the temporary sound file and moves it over
// `objectWaveFile` (replacing an earlier sound). An ".mp3" source (any letter
// case) is decoded into the temporary file first, and the temporary file's
// name is then the one to record. Unless the result is Converted, the object
// wave file is untouched and nothing is to be recorded.
SoundConversionResult ConvertChosenSound(const std::string& source, const std::filesystem::path& objectWaveFile,
                                         const ProgressFn& progress);

// As above, converting through `temporary` instead of the one shared
// temporary sound file, for a caller that may run beside the editor or
// beside another conversion.
SoundConversionResult ConvertChosenSound(const std::string& source, const std::filesystem::path& objectWaveFile,
                                         const ProgressFn& progress, const std::filesystem::path& temporary);

}  // namespace glimmora
