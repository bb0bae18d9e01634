// The player with the busy reference movie: loading and decoding it, and
// seeking last frame -> first -> last through the playback controller.

#ifdef GLIMMORA_HAS_PLAYER

#include "BusyMovieBytes.h"

#include "player/playback/PlaybackController.h"
#include "swf/reader/DecodedMovie.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace glimmora::bench {
namespace {

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
