#ifdef GLIMMORA_HAS_PLAYER

#include "app/cli/RenderCommand.h"

#include "app/cli/CommandLine.h"
#include "app/cli/ConsoleReporter.h"
#include "app/cli/MovieInput.h"
#include "player/FrameCursor.h"
#include "player/FrameRenderer.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <optional>
#include <stdexcept>

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

}  // namespace

void RenderMovieFrames(std::shared_ptr<const swf::DecodedMovie> movie, int first, int last,
                       const std::string& pattern, int width, int height)
{
    const int frames = movie->FrameCount();
    if (first < 0 || last >= frames || first > last) {
        throw std::runtime_error("the movie has " + std::to_string(frames) + " frames (0 to " +
                                 std::to_string(frames - 1) + "); frame " +
                                 std::to_string(first < 0 ? first : last) + " does not exist");
    }
    if (width <= 0 || height <= 0) {
        width = std::clamp(movie->header.WidthPixels(), 1, kMaxSide);
        height = std::clamp(movie->header.HeightPixels(), 1, kMaxSide);
    }
    player::FrameCursor cursor(movie);
    player::FrameRenderer renderer(movie);
    for (int frame = first; frame <= last; ++frame) {
        const QImage image = renderer.Render(cursor.Seek(frame), frame, QSize(width, height));
        const std::string name = OutputName(pattern, frame);
        if (image.isNull() || !image.save(QString::fromStdString(name), "PNG"))
            throw std::runtime_error("cannot write " + name);
    }
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
    auto movie = std::make_shared<const swf::DecodedMovie>(LoadMovieOrProject(parsed.positional[0]));
    RenderMovieFrames(std::move(movie), first, last, *output, width, height);
    return 0;
}

}  // namespace glimmora::cli

#endif  // GLIMMORA_HAS_PLAYER
