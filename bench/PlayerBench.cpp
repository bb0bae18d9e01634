// The player with the busy reference movie: loading and decoding it, and
// seeking last frame -> first -> last through the playback controller.

#ifdef GLIMMORA_HAS_PLAYER

#include "projects/BusyMovie.h"

#include "document/ProjectFiles.h"
#include "document/XmlDocument.h"
#include "generation/TVuzozUzev.h"
#include "objects/RandomSource.h"
#include "player/FrameCursor.h"
#include "player/playback/PlaybackController.h"
#include "swf/encoder/EncoderService.h"
#include "swf/reader/DecodedMovie.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace glimmora::bench {
namespace {

class QuietReporter : public IErrorReporter {
public:
    void ShowError(const std::string& message) override { std::cerr << "bench: " << message << '\n'; }
};

// Builds the busy project once and gives the bytes of its movie.
const std::vector<uint8_t>& BusyMovieBytes()
{
    static const std::vector<uint8_t> bytes = [] {
        const auto folder = std::filesystem::temp_directory_path() / "glimmora-bench-player";
        std::filesystem::create_directories(folder);
        const auto project = WriteBusyProject(folder);
        QuietReporter reporter;
        ClockRandomSource random;
        auto service = MakeEncoderService();
        TVuzozUzev builder(*service, reporter, random);
        builder.WorkingProject = folder / "working.gmr";
        builder.WorkingMovie = folder / "working.swf";
        builder.BasePath = std::filesystem::path(project).replace_extension();
        TXMLDocument document;
        IXMLMovie movie = LoadProject(document, project, builder.WorkingProject);
        builder.SetDocument(&movie);
        builder.BuildMovie();
        // Kept for measuring the standalone player on the same movie.
        std::filesystem::copy_file(builder.WorkingMovie, folder / "busy.swf",
                                   std::filesystem::copy_options::overwrite_existing);
        std::ifstream in(builder.WorkingMovie, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }();
    return bytes;
}

class NoTimer : public player::PlaybackTimer {
public:
    void Start(int64_t, std::function<void()>) override {}
    void Stop() override {}
    bool Active() const override { return false; }
};

void BM_PlayerLoadBusyMovie(benchmark::State& state)
{
    const auto& bytes = BusyMovieBytes();
    player::SteadyClock clock;
    NoTimer timer;
    for (auto _ : state) {
        auto movie = std::make_shared<const swf::DecodedMovie>(swf::DecodeMovie(bytes.data(), bytes.size()));
        player::PlaybackController controller(movie, clock, timer);
        benchmark::DoNotOptimize(controller.DisplayList().size());
    }
    const auto movie = swf::DecodeMovie(bytes.data(), bytes.size());
    state.counters["swf_bytes"] = double(bytes.size());
    state.counters["frames"] = double(movie.FrameCount());
}
BENCHMARK(BM_PlayerLoadBusyMovie)->Unit(benchmark::kMillisecond);

void BM_PlayerSeekLastFirstLast(benchmark::State& state)
{
    const auto& bytes = BusyMovieBytes();
    auto movie = std::make_shared<const swf::DecodedMovie>(swf::DecodeMovie(bytes.data(), bytes.size()));
    player::SteadyClock clock;
    NoTimer timer;
    player::PlaybackController controller(movie, clock, timer);
    const int last = controller.TotalFrames() - 1;
    for (auto _ : state) {
        controller.GotoFrame(last);
        controller.GotoFrame(0);
        controller.GotoFrame(last);
        benchmark::DoNotOptimize(controller.DisplayList().size());
    }
    state.counters["frames"] = double(last + 1);
}
BENCHMARK(BM_PlayerSeekLastFirstLast)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace glimmora::bench

#endif  // GLIMMORA_HAS_PLAYER
