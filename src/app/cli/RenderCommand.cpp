#ifdef GLIMMORA_HAS_PLAYER

#include "app/cli/RenderCommand.h"

#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "app/cli/ConsoleReporter.h"
#include "app/cli/MovieInput.h"
#include "player/FrameRenderer.h"
#include "player/timeline/StageCursor.h"
#include "player/timeline/TimelineRunner.h"

#include "files/ReplacingFile.h"
#include "tools/files/SourceFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <system_error>

namespace glimmora::cli {
namespace {

constexpr int kMaxSide = 16384;

std::string OutputName(const std::string& pattern, int frame)
{
    std::string name = pattern;
    const size_t at = name.find("%d");
    if (at != std::string::npos) name.replace(at, 2, std::to_string(frame));
    return name;
}

// A picture goes to a new file or over a regular one; a folder, a pipe or a
// device is refused before anything is drawn (a pipe without a reader would
// block for ever).
void RequireWritableTarget(const std::string& name)
{
    std::error_code error;
    const auto status = std::filesystem::status(name, error);
    if (!std::filesystem::exists(status) || std::filesystem::is_regular_file(status)) return;
    throw std::runtime_error("cannot write " + name + ": " +
                             (std::filesystem::is_directory(status) ? "it is a folder"
                                                                    : "it is not a regular file"));
}

// Encoded in memory, then written beside the target and renamed over it, so
// that a full disk never leaves a truncated picture.
// Qt's PNG writer takes a quality; it gives zlib level (100 - quality) * 9 / 91.
int PngQualityForLevel(int level) { return 100 - (level * 91 + 8) / 9; }

void WritePng(const QImage& image, const std::string& name, int compression)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG", PngQualityForLevel(compression)))
        throw std::runtime_error("cannot write " + name + ": the picture could not be encoded");
    try {
        files::ReplaceFileContents(name, std::string_view(bytes.constData(), size_t(bytes.size())));
    } catch (const std::system_error& e) {
        throw std::runtime_error("cannot write " + name + ": " + e.code().message());
    }
}

// Text fields without outlines of their own are drawn with the system's
// fonts, which Qt finds only within a GUI application: one without a
// display, as the pictures go to files.
void EnsureSystemFonts()
{
    if (QCoreApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "glimmora-cli";
    static char* argv[] = {name, nullptr};
    // Qt's remark on a session without a runtime folder says nothing to the user.
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    new QGuiApplication(argc, argv);  // lives as long as the process
    qInstallMessageHandler(previous);
}

}  // namespace

std::vector<std::string> RenderMovie(std::shared_ptr<const swf::DecodedMovie> movie, const RenderRange& range,
                                     const std::string& pattern, int width, int height, int compression,
                                     player::StageQuality quality)
{
    const int frames = movie->FrameCount();
    const bool ticks = range.unit == RenderRange::Unit::Ticks;
    if (frames == 0) throw std::runtime_error("the movie has no frames to draw");
    if (!ticks && (range.first < 0 || range.last >= frames || range.first > range.last)) {
        throw std::runtime_error("the movie has " + std::to_string(frames) + (frames == 1 ? " frame" : " frames") +
                                 " (0 to " + std::to_string(frames - 1) + "); frame " +
                                 std::to_string(range.first < 0 ? range.first : range.last) + " does not exist");
    }
    std::vector<std::string> names;
    for (int number = range.first; number <= range.last; ++number) names.push_back(OutputName(pattern, number));
    for (const std::string& name : names) RequireWritableTarget(name);
    if (width <= 0 || height <= 0) {
        width = std::clamp(movie->header.WidthPixels(), 1, kMaxSide);
        height = std::clamp(movie->header.HeightPixels(), 1, kMaxSide);
    }
    player::FrameRenderer renderer(movie);
    renderer.SetQuality(quality);
    auto write = [&](const player::Stage& stage, int number) {
        WritePng(renderer.Render(stage, QSize(width, height)), names[size_t(number - range.first)], compression);
    };
    if (ticks) {
        const player::TimelineRunner runner(movie);
        player::Stage stage = runner.Start(player::RunMode::Play);
        for (int tick = 0; tick <= range.last; ++tick) {
            if (tick > 0) runner.Tick(stage, player::RunMode::Play);
            if (tick >= range.first) write(stage, tick);
        }
        return names;
    }
    player::StageCursor cursor(movie);
    for (int frame = range.first; frame <= range.last; ++frame) write(cursor.Seek(frame), frame);
    return names;
}

// An SWF file as it is; a project is built first, with the editor's builder.
swf::DecodedMovie LoadMovieOrProject(const std::filesystem::path& input)
{
    ConsoleReporter reporter;
    return LoadMovieInput(input, reporter).movie;
}

namespace {

int RunRender(const ParsedArgs& parsed)
{
    if (parsed.positional.size() != 1) throw UsageError("render takes one movie");
    const auto output = parsed.Option("-o");
    if (!output || output->empty()) throw UsageError("render needs an output file (-o)");

    const int choices = int(parsed.Option("--frame").has_value()) + int(parsed.Option("--frames").has_value()) +
                        int(parsed.Option("--ticks").has_value());
    if (choices != 1) throw UsageError("render needs one of --frame N, --frames A-B or --ticks N");
    RenderRange range;
    if (const auto frame = parsed.Option("--frame")) {
        const auto n = ParseNumber(*frame);
        if (!n) throw UsageError("'" + *frame + "' is not a frame number");
        range.first = range.last = *n;
    } else {
        const bool ticks = parsed.Option("--ticks").has_value();
        const std::string text = *parsed.Option(ticks ? "--ticks" : "--frames");
        const char* what = ticks ? "a tick count N or range A-B" : "a frame range A-B";
        if (ticks && text.find('-') == std::string::npos) {
            const auto n = ParseNumber(text);
            if (!n) throw UsageError("'" + text + "' is not " + what);
            range.first = range.last = *n;
        } else {
            std::tie(range.first, range.last) = ParsePair(text, '-', what);
        }
        if (range.first > range.last) throw UsageError("the range " + text + " is backwards");
        if (range.first != range.last && output->find("%d") == std::string::npos)
            throw UsageError("a range needs %d in the output name");
        if (ticks) range.unit = RenderRange::Unit::Ticks;
    }
    int width = 0, height = 0;
    if (const auto size = parsed.Option("--size")) {
        std::tie(width, height) = ParsePair(*size, 'x', "a size WxH");
        if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
            throw UsageError("the size must be between 1x1 and 16384x16384");
    }
    int compression = kDefaultPngCompression;
    if (const auto level = parsed.Option("--compression")) {
        const auto n = ParseNumber(*level);
        if (!n || *n < 0 || *n > 9) throw UsageError("the compression must be a level from 0 to 9");
        compression = *n;
    }
    player::StageQuality quality = player::StageQuality::High;
    if (const auto name = parsed.Option("--quality")) {
        const auto named = player::StageQualityNamed(*name);
        if (!named) throw UsageError("the quality must be low, medium, high or best");
        quality = *named;
    }
    EnsureSystemFonts();
    for (int number : {range.first, range.last}) {
        tools::RefuseToOverwrite(OutputName(*output, number), parsed.positional[0], "source");
    }
    auto movie = std::make_shared<const swf::DecodedMovie>(LoadMovieOrProject(parsed.positional[0]));
    const std::vector<std::string> written =
        RenderMovie(std::move(movie), range, *output, width, height, compression, quality);
    const char* unit = range.unit == RenderRange::Unit::Ticks ? "Tick" : "Frame";
    if (written.size() == 1)
        std::cout << unit << ' ' << range.first << " written to " << written.front() << '\n';
    else
        std::cout << unit << "s " << range.first << " to " << range.last << " written to " << written.front()
                  << " ... " << written.back() << '\n';
    return 0;
}

}  // namespace

CommandSyntax RenderCommand()
{
    CommandSyntax syntax;
    syntax.name = "render";
    syntax.usage = {"PROJECT.gmr|MOVIE.swf --frame N -o OUT.png", "PROJECT.gmr|MOVIE.swf --frames A-B -o OUT_%d.png",
                  "PROJECT.gmr|MOVIE.swf --ticks N -o OUT.png"};
    syntax.summary = "Draws frames of a movie or project as PNG pictures.";
    syntax.description =
        "Draws frames, counted from 0, with the player's renderer; no display is needed. A project is built "
        "first, with the editor's builder; the project file is not changed. --frame and --frames show frames of "
        "the main timeline as a seek does; --ticks starts the movie and advances the player N times as playback "
        "does (frame scripts run, every sprite moves on by its own play head, a main timeline stopped by a "
        "script stays put), for movies with scripts and nested sprites.";
    syntax.options = {
        {{"--frame"}, "N", "The frame to draw."},
        {{"--frames"}, "A-B", "The frames A to B; the output name then needs %d, which becomes the frame number."},
        {{"--ticks"}, "N|A-B", "The stage after N steps of playing (A-B: after each of A to B steps; %d in the name)."},
        {{"-o"}, "FILE", "The picture to write (PNG).", WordKind::AnyFile},
        {{"--size"}, "WxH", "The size of the pictures (default: the movie's own size)."},
        {{"--quality"}, "low|medium|high|best",
         "How finely to draw until the movie's scripts choose: low has no anti-aliasing, medium no smoothed "
         "pictures; high is the default."},
        {{"--compression"}, "0-9", "zlib's level for the PNG files: 1, the default, is fast; 9 gives the smallest files."},
    };
    syntax.arguments = {WordKind::ProjectOrMovie};
    syntax.group = CommandGroup::Movies;
    syntax.run = RunRender;
    return syntax;
}

}  // namespace glimmora::cli

#endif  // GLIMMORA_HAS_PLAYER
