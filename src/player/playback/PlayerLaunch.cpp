#include "player/playback/PlayerLaunch.h"

#include "player/playback/EmbeddedMovie.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <stdexcept>

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

LaunchPlan ScreensaverPlan(const std::vector<std::string>& args, const std::string& self,
                           const TrailerResult& trailer)
{
    LaunchPlan plan;
    plan.moviePath = self;
    plan.embedded = true;
    plan.offset = trailer.offset;
    plan.length = trailer.length;
    switch (SwitchLetter(args)) {
    case 's': plan.mode = LaunchPlan::Mode::FullScreen; break;
    case 'c': plan.mode = LaunchPlan::Mode::Configure; break;
    case 'p': plan.mode = LaunchPlan::Mode::Quit; break;
    default: plan.mode = LaunchPlan::Mode::FullScreen; break;
    }
    return plan;
}

}  // namespace

LaunchPlan DecideLaunch(const std::vector<std::string>& args, const std::string& selfPath)
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
            if (HasSwfSignature(start)) return ScreensaverPlan(args, selfPath, saver);
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

std::vector<uint8_t> ReadPlannedMovie(const LaunchPlan& plan)
{
    if (plan.embedded) return ReadFileRange(plan.moviePath, plan.offset, plan.length);
    std::error_code error;
    const uint64_t size = std::filesystem::file_size(plan.moviePath, error);
    if (error) throw std::runtime_error("Cannot open " + plan.moviePath);
    return ReadFileRange(plan.moviePath, 0, size);
}

}  // namespace glimmora::player
