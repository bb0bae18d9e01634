#ifdef GLIMMORA_HAS_PLAYER

#include "app/cli/RenderCommand.h"

#include "app/cli/CommandLine.h"
#include "app/cli/ConsoleReporter.h"
#include "app/cli/MovieInput.h"
#include "player/FrameCursor.h"
#include "player/FrameRenderer.h"

#include "files/ReplacingFile.h"
#include "tools/files/SourceFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <iostream>

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
void WritePng(const QImage& image, const std::string& name)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        throw std::runtime_error("cannot write " + name + ": the picture could not be encoded");
    try {
        files::ReplaceFileContents(name, std::string_view(bytes.constData(), size_t(bytes.size())));
    } catch (const std::system_error& e) {
        throw std::runtime_error("cannot write " + name + ": " + e.code().message());
    }
}

}  // namespace

std::vector<std::string> RenderMovieFrames(std::shared_ptr<const swf::DecodedMovie> movie, int first, int last,
                                           const std::string& pattern, int width, int height)
{
    const int frames = movie->FrameCount();
    if (frames == 0) throw std::runtime_error("the movie has no frames to draw");
    if (first < 0 || last >= frames || first > last) {
        throw std::runtime_error("the movie has " + std::to_string(frames) + (frames == 1 ? " frame" : " frames") +
                                 " (0 to " + std::to_string(frames - 1) + "); frame " +
                                 std::to_string(first < 0 ? first : last) + " does not exist");
    }
    std::vector<std::string> names;
    for (int frame = first; frame <= last; ++frame) names.push_back(OutputName(pattern, frame));
    for (const std::string& name : names) RequireWritableTarget(name);
    if (width <= 0 || height <= 0) {
        width = std::clamp(movie->header.WidthPixels(), 1, kMaxSide);
        height = std::clamp(movie->header.HeightPixels(), 1, kMaxSide);
    }
    player::FrameCursor cursor(movie);
    player::FrameRenderer renderer(movie);
    for (int frame = first; frame <= last; ++frame) {
        const QImage image = renderer.Render(cursor.Seek(frame), frame, QSize(width, height));
        WritePng(image, names[size_t(frame - first)]);
    }
    return names;
}

// An SWF file as it is; a project is built first, with the editor's builder.
swf::DecodedMovie LoadMovieOrProject(const std::filesystem::path& input)
{
    ConsoleReporter reporter;
    return LoadMovieInput(input, reporter).movie;
}

int RunRenderCommand(const std::vector<std::string>& args)
{
    const ParsedArgs parsed = ParseArgs(args, {"--frame", "--frames", "-o", "--size"});
    if (parsed.positional.size() != 1) throw UsageError("render takes one movie");
    const auto output = parsed.Option("-o");
    if (!output || output->empty()) throw UsageError("render needs an output file (-o)");

    int first = 0, last = 0;
    if (const auto frame = parsed.Option("--frame")) {
        const auto n = ParseNumber(*frame);
        if (!n) throw UsageError("'" + *frame + "' is not a frame number");
        first = last = *n;
    } else if (const auto range = parsed.Option("--frames")) {
        std::tie(first, last) = ParsePair(*range, '-', "a frame range A-B");
        if (first > last) throw UsageError("the frame range " + *range + " is backwards");
        if (first != last && output->find("%d") == std::string::npos)
            throw UsageError("a frame range needs %d in the output name");
    } else {
        throw UsageError("render needs --frame N or --frames A-B");
    }
    int width = 0, height = 0;
    if (const auto size = parsed.Option("--size")) {
        std::tie(width, height) = ParsePair(*size, 'x', "a size WxH");
        if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
            throw UsageError("the size must be between 1x1 and 16384x16384");
    }
    for (int frame : {first, last}) tools::RefuseToOverwrite(OutputName(*output, frame), parsed.positional[0], "source");
    auto movie = std::make_shared<const swf::DecodedMovie>(LoadMovieOrProject(parsed.positional[0]));
    const std::vector<std::string> written = RenderMovieFrames(std::move(movie), first, last, *output, width, height);
    if (written.size() == 1)
        std::cout << "Frame " << first << " written to " << written.front() << '\n';
    else
        std::cout << "Frames " << first << " to " << last << " written to " << written.front() << " ... "
                  << written.back() << '\n';
    return 0;
}

}  // namespace glimmora::cli

#endif  // GLIMMORA_HAS_PLAYER
