#ifdef GLIMMORA_HAS_PLAYER

#include "app/cli/Commands.h"

#include "app/cli/ConsoleReporter.h"
#include "app/cli/ExitCodes.h"
#include "app/cli/MovieInput.h"
#include "app/cli/TerminalProgress.h"
#include "export/ExportError.h"
#include "export/MovieExporter.h"
#include "files/ProgramFolder.h"

#include <charconv>
#include <filesystem>
#include <iostream>

namespace glimmora::cli {
namespace {

using exporting::ExportFormat;

// The export's progress as a bar on the terminal.
class ExportBar : public exporting::ExportProgress {
public:
    ExportBar() : bar_(std::cerr, "Exporting", StderrIsTerminal()) {}
    bool Step(int done, int total) override
    {
        if (total > 0) bar_.Show(int(int64_t(done) * 100 / total));
        return true;
    }
    void Finish() { bar_.Finish(); }

private:
    TerminalProgress bar_;
};

double ParseScale(const std::string& text)
{
    double scale = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), scale);
    if (error != std::errc() || end != text.data() + text.size() || !(scale > 0) || scale > 64)
        throw UsageError("'" + text + "' is not a scale between 0 and 64");
    return scale;
}

int ParseBounded(const std::string& text, int low, int high, const std::string& what)
{
    const auto n = ParseNumber(text);
    if (!n || *n < low || *n > high)
        throw UsageError("'" + text + "' is not " + what + " (" + std::to_string(low) + " to " +
                         std::to_string(high) + ")");
    return *n;
}

exporting::ExportSettings ParseSettings(const ParsedArgs& parsed)
{
    exporting::ExportSettings settings;
    const auto output = parsed.Option("-o");
    if (!output || output->empty()) throw UsageError("export needs an output file (-o)");
    settings.target = std::filesystem::absolute(*output);
    const auto format = exporting::FormatForPath(settings.target);
    if (!format) {
        throw UsageError("'" + *output +
                         "' has no export format; use .mp4, .webm, .gif, .webp, .apng, .png or .html");
    }
    settings.format = *format;

    if (parsed.Option("--size") && parsed.Option("--scale")) throw UsageError("give --size or --scale, not both");
    if (const auto size = parsed.Option("--size")) {
        const auto [width, height] = ParsePair(*size, 'x', "a size WxH");
        if (width < 1 || height < 1 || width > exporting::kMaxExportSide || height > exporting::kMaxExportSide)
            throw UsageError("the size must be between 1x1 and 8192x8192");
        settings.size = QSize(width, height);
    }
    if (const auto scale = parsed.Option("--scale")) settings.scale = ParseScale(*scale);
    if (const auto range = parsed.Option("--frames")) {
        const auto [first, last] = ParsePair(*range, '-', "a frame range A-B");
        if (first > last) throw UsageError("the frame range " + *range + " is backwards");
        settings.firstFrame = first;
        settings.lastFrame = last;
    }
    if (const auto quality = parsed.Option("--quality"))
        settings.quality = ParseBounded(*quality, 1, 100, "a quality");
    if (const auto loop = parsed.Option("--loop")) {
        if (!exporting::FormatInfo(settings.format).loops)
            throw UsageError("--loop is for animated images (.gif, .webp, .apng, .png)");
        settings.loopCount = ParseBounded(*loop, 0, 65535, "a loop count (0: for ever)");
    }
    return settings;
}

int RunExport(const ParsedArgs& parsed)
{
    if (parsed.positional.size() != 1) throw UsageError("export takes one project or movie");
    const exporting::ExportSettings settings = ParseSettings(parsed);
    const std::filesystem::path input = parsed.positional[0];

    ConsoleReporter reporter;
    MovieInput loaded = LoadMovieInput(input, reporter);
    exporting::ExportMovie movie;
    movie.movie = std::make_shared<const swf::DecodedMovie>(std::move(loaded.movie));
    movie.swf = std::move(loaded.swf);
    movie.name = input.stem().string();

    ExportBar progress;
    exporting::ExportMovieFile(movie, settings, &progress, exporting::WebPlayerFolder(files::ProgramFolder()));
    progress.Finish();
    if (reporter.count > 0) {
        std::cout << "Exported with " << reporter.count << " problem(s) to " << settings.target.string() << '\n';
        return kExitWrittenWithProblems;
    }
    std::cout << "Exported to " << settings.target.string() << '\n';
    return 0;
}

}  // namespace

CommandSyntax ExportCommand()
{
    CommandSyntax syntax;
    syntax.name = "export";
    syntax.usage = {"PROJECT.gmr|MOVIE.swf -o OUT.mp4|.webm|.gif|.webp|.apng|.png|.html [--size WxH | --scale S] "
                  "[--frames A-B] [--quality Q] [--loop N]"};
    syntax.summary = "Exports a video, an animated image, PNG pictures or an offline web page.";
    syntax.description =
        "The output's extension chooses the format: .mp4 (H.264 and AAC), .webm (VP9 and Opus), .gif, .webp, "
        ".apng or .png (animated images; a .png name with %d gives a numbered PNG sequence), or .html (a web "
        "page with its own player, which plays from the file system). Frames are drawn by the player's "
        "renderer and the sound comes from its mixer, in step with the frames. A project is built first; "
        "the project file is not changed. A cancelled or failed export leaves no file.";
    syntax.options = {
        {{"-o"}, "FILE", "The file to write; its extension chooses the format.", WordKind::AnyFile},
        {{"--size"}, "WxH", "The size of the frames (default: the movie's own size)."},
        {{"--scale"}, "S", "The movie's size times S (0 to 64)."},
        {{"--frames"}, "A-B", "Only frames A to B, counted from 0."},
        {{"--quality"}, "Q", "The quality, 1 to 100 (default 80)."},
        {{"--loop"}, "N", "Animated images: plays N times (0, the default: for ever)."},
    };
    syntax.arguments = {WordKind::ProjectOrMovie};
    syntax.group = CommandGroup::Movies;
    syntax.run = RunExport;
    return syntax;
}

}  // namespace glimmora::cli

#endif  // GLIMMORA_HAS_PLAYER
