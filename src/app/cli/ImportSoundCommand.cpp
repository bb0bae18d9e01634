// glimmora-cli import-sound: a sound converted beside the project and
// recorded in its sound object, as the editor's sound editor does.

#include "app/cli/Commands.h"

#include "app/cli/NewObjects.h"
#include "app/cli/OpenProject.h"
#include "app/cli/ScratchFolder.h"
#include "app/cli/TerminalProgress.h"
#include "document/ConversionError.h"
#include "document/ProjectFiles.h"
#include "effects/sound/conversion/ChosenSound.h"
#include "effects/sound/conversion/WaveFile.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace glimmora::cli {

namespace {

// "16-bit mono 22050 Hz, 2.5 seconds".
std::string Describe(const WaveFile& file)
{
    const WaveFormatRecord& format = file.Format();
    const double seconds = format.avgBytesPerSec ? double(file.DataSize()) / format.avgBytesPerSec : 0.0;
    char text[96];
    std::snprintf(text, sizeof text, "%d-bit mono %u Hz, %.1f seconds", int(format.bitsPerSample),
                  unsigned(format.samplesPerSec), seconds);
    return text;
}

int RunImportSound(const ParsedArgs& parsed)
{
    if (parsed.positional.size() != 3) throw UsageError("import-sound takes a project, an object name and a sound");
    const std::string objectName = parsed.positional[1];
    const std::filesystem::path sound = std::filesystem::absolute(parsed.positional[2]);

    OpenProject project(parsed.positional[0]);
    std::optional<IXMLObj> obj = project.Find(objectName);
    if (!obj) {
        if (!parsed.Flag("--new")) {
            throw DocumentError(project.File().filename().string() + " has no object named '" + objectName +
                                "' (use --new to create it)");
        }
        CheckNewObjectName(project, objectName);
        obj = AddObject(project, "Sound", objectName);
    } else {
        obj = project.Require(objectName, "Sound");
    }
    const std::filesystem::path target = SoundFileOf(project.BasePath(), objectName);

    ScratchFolder scratch;
    SoundConversionResult result;
    {
        TerminalProgress bar(std::cerr, objectName, StderrIsTerminal());
        result = ConvertChosenSound(
            sound.string(), target,
            [&bar](std::uint64_t done, std::uint64_t total, bool&) { bar.Show(WaveProgressPercent(done, total)); },
            scratch.Path() / "sound.wav");
    }
    if (!result.Converted()) {
        std::string message = objectName + ": " + result.message;
        if (result.status == SoundConversionStatus::NotPcm)
            message += " (" + sound.filename().string() + " is not a PCM wave file)";
        throw DocumentError(message);
    }
    // The chosen file is recorded (the editor records the decoded MP3's
    // temporary name, which is gone once the conversion is done).
    obj->ObjType().ObjSound().SetContent(sound.string());
    project.Save();
    WaveFile stored;
    stored.SetFileName(target);
    std::cout << objectName << ": sound " << Describe(stored) << ", stored as " << target.string() << '\n';
    return 0;
}

}  // namespace

CommandSyntax ImportSoundCommand()
{
    CommandSyntax syntax;
    syntax.name = "import-sound";
    syntax.usage = {"PROJECT.gmr OBJECT SOUND.wav|.mp3 [--new]"};
    syntax.summary = "Converts a sound into a sound object of a project.";
    syntax.description =
        "Converts a PCM WAV or an MP3 file into the project's folder as OBJECT.wav, 16-bit mono at 22050 "
        "samples a second, and records it in the sound object OBJECT, as the editor's sound editor does. An "
        "earlier sound of the object is replaced. On a terminal a progress bar shows the conversion. The "
        "sound plays from the start of the movie.";
    syntax.options = {{{"--new"}, "", "Creates the sound object OBJECT when the project has none of that name."}};
    syntax.arguments = {WordKind::Project, WordKind::SoundObject, WordKind::Sound};
    syntax.group = CommandGroup::Projects;
    syntax.run = RunImportSound;
    return syntax;
}

}  // namespace glimmora::cli
