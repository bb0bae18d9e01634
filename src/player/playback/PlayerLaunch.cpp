#include "player/playback/PlayerLaunch.h"

#include "player/playback/EmbeddedMovie.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace glimmora::player {
namespace {

LaunchPlan Failure(std::string error)
{
    LaunchPlan plan;
    plan.mode = LaunchPlan::Mode::Error;
    plan.error = std::move(error);
    return plan;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// "/s", "-S", "/c:1234" and the like: the letter after the switch sign.
char SwitchLetter(const std::vector<std::string>& args)
{
    if (args.empty()) return 's';  // started without arguments: show the movie
    const std::string first = Lower(args.front());
    if (first.size() >= 2 && (first[0] == '/' || first[0] == '-')) return first[1];
    return '?';
}

// An X window id in decimal or "0x" hexadecimal; nothing for other text or 0.
std::optional<uint64_t> WindowId(const std::string& text)
{
    if (text.empty() || text[0] == '-' || text[0] == '+') return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const unsigned long long id = std::strtoull(text.c_str(), &end, 0);
    if (errno != 0 || end == text.c_str() || *end != '\0' || id == 0) return std::nullopt;
    return uint64_t(id);
}

// Into the window named by `id`, or a quiet end when it names none.
void ShowInWindow(LaunchPlan& plan, const std::optional<uint64_t>& id)
{
    plan.mode = id ? LaunchPlan::Mode::InWindow : LaunchPlan::Mode::Quit;
    plan.hostWindow = id.value_or(0);
}

LaunchPlan ScreensaverPlan(const std::vector<std::string>& args, const std::string& self,
                           const TrailerResult& trailer, const std::string& hostWindow)
{
    LaunchPlan plan;
    plan.moviePath = self;
    plan.embedded = true;
    plan.offset = trailer.offset;
    plan.length = trailer.length;
    const std::string first = args.empty() ? std::string() : Lower(args.front());
    if (first == "-window-id" || first == "--window-id") {
        ShowInWindow(plan, args.size() > 1 ? WindowId(args[1]) : std::nullopt);
        return plan;
    }
    switch (SwitchLetter(args)) {
    case 'c': plan.mode = LaunchPlan::Mode::Configure; break;
    case 'p': plan.mode = LaunchPlan::Mode::Quit; break;
    default:  // "/s", "-root", no argument
        if (hostWindow.empty()) plan.mode = LaunchPlan::Mode::FullScreen;
        else ShowInWindow(plan, WindowId(hostWindow));
        break;
    }
    return plan;
}

// Takes "--quality NAME" and "--quality=NAME" out of `args`; an error
// message for a missing or unknown name.
std::optional<std::string> TakeQuality(std::vector<std::string>& args, std::optional<StageQuality>& quality)
{
    constexpr std::string_view kOption = "--quality";
    for (size_t i = 0; i < args.size();) {
        const std::string& word = args[i];
        std::optional<std::string> name;
        size_t words = 1;
        if (word == kOption) {
            if (i + 1 >= args.size()) return "--quality needs a quality: low, medium, high or best.";
            name = args[i + 1];
            words = 2;
        } else if (word.rfind(std::string(kOption) + "=", 0) == 0) {
            name = word.substr(kOption.size() + 1);
        }
        if (!name) {
            ++i;
            continue;
        }
        quality = StageQualityNamed(*name);
        if (!quality) return "The quality '" + *name + "' is not one of low, medium, high or best.";
        args.erase(args.begin() + std::ptrdiff_t(i), args.begin() + std::ptrdiff_t(i + words));
    }
    return std::nullopt;
}

LaunchPlan Decide(const std::vector<std::string>& args, const std::string& selfPath, const std::string& hostWindow)
{
    try {
        uint64_t size = 0;
        const std::vector<uint8_t> tail = ReadFileTail(selfPath, 8, size);
        const TrailerResult projector = ParseProjectorTrailer(tail, size);
        if (projector.kind == TrailerResult::Kind::Damaged) return Failure(projector.problem);
        if (projector.kind == TrailerResult::Kind::Found) {
            LaunchPlan plan;
            plan.mode = LaunchPlan::Mode::Window;
            plan.moviePath = selfPath;
            plan.embedded = true;
            plan.offset = projector.offset;
            plan.length = projector.length;
            return plan;
        }
        const bool namedScreensaver =
            Lower(std::filesystem::path(selfPath).extension().string()) == ".scr";
        const TrailerResult saver = ParseScreensaverTrailer(tail, size);
        if (saver.kind == TrailerResult::Kind::Found) {
            const auto start = ReadFileRange(selfPath, saver.offset, std::min<uint64_t>(3, saver.length));
            if (HasSwfSignature(start)) return ScreensaverPlan(args, selfPath, saver, hostWindow);
        }
        if (namedScreensaver) {
            return Failure(saver.kind == TrailerResult::Kind::Damaged
                               ? saver.problem
                               : "The screen saver file carries no movie.");
        }
    } catch (const std::exception& error) {
        return Failure(error.what());
    }
    if (args.empty()) return Failure("Usage: glimmora-player <movie.swf>");
    LaunchPlan plan;
    plan.mode = LaunchPlan::Mode::Window;
    plan.moviePath = args.front();
    return plan;
}

}  // namespace

LaunchPlan DecideLaunch(const std::vector<std::string>& args, const std::string& selfPath,
                        const std::string& hostWindow)
{
    std::vector<std::string> rest = args;
    std::optional<StageQuality> quality;
    if (const auto error = TakeQuality(rest, quality)) return Failure(*error);
    LaunchPlan plan = Decide(rest, selfPath, hostWindow);
    plan.quality = quality;
    return plan;
}

std::vector<uint8_t> ReadPlannedMovie(const LaunchPlan& plan)
{
    if (plan.embedded) return ReadMovieRange(plan.moviePath, plan.offset, plan.length);
    return ReadMovieFile(plan.moviePath);
}

}  // namespace glimmora::player
