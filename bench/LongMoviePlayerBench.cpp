// The player on the long movies (1,000 and 5,000 texts, 500 pictures, and
// 10,000 texts that all come in and stay): the peak memory of playing one
// through, every frame drawn, and the time of a seek after the movie was
// loaded, the first one and a sweep of random ones. Arguments: kind (0 texts,
// 1 pictures, 2 texts that come in), then the count. Where a last argument
// "written" is 1, the movie is read as the editor's preview reads a movie the
// builder has just written (display operations left in the file's tags).

#ifdef GLIMMORA_HAS_PLAYER

#include "LongMovieFiles.h"
#include "PeakMemory.h"

#include "player/FrameRenderer.h"
#include "player/timeline/StageCursor.h"
#include "player/timeline/TimelineRunner.h"
#include "swf/reader/DecodedMovie.h"
#include "swf/reader/RecordCount.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <thread>

namespace glimmora::bench {
namespace {

constexpr double kMiB = 1024.0 * 1024.0;

const std::filesystem::path& MovieOf(const benchmark::State& state)
{
    static constexpr LongMovieKind kinds[] = {LongMovieKind::Texts, LongMovieKind::Pictures, LongMovieKind::ComeInTexts};
    return LongMovieFile(kinds[state.range(0)], int(state.range(1)));
}

std::shared_ptr<const swf::DecodedMovie> Load(const std::filesystem::path& file, bool written = false)
{
    auto bytes = ReadFileBytes(file);
    if (written)
        return std::make_shared<const swf::DecodedMovie>(
            swf::DecodeWrittenMovie(std::make_shared<const std::vector<uint8_t>>(std::move(bytes))));
    return std::make_shared<const swf::DecodedMovie>(swf::DecodeMovie(bytes.data(), bytes.size()));
}

QSize StageSize(const swf::DecodedMovie& movie)
{
    return QSize(movie.header.WidthPixels(), movie.header.HeightPixels());
}

void ReportMemory(benchmark::State& state, const PeakMemory& memory)
{
    state.counters["peak_rss_MiB"] = double(memory.PeakBytes()) / kMiB;
    state.counters["start_rss_MiB"] = double(memory.StartBytes()) / kMiB;
}

// Loads the movie and plays it from the first frame to the last as the
// player does (one step per frame, scripts and sprites running), drawing
// every frame at the movie's size; with `range(2)` > 1 only every so many
// frames are drawn (quicker on the longest movie: the stage and the decoded
// movie are the same, the renderer's caches see fewer frames).
void BM_LongMoviePlayThrough(benchmark::State& state)
{
    const auto& file = MovieOf(state);
    PeakMemory memory;
    int frames = 0;
    const int stride = std::max<int>(1, int(state.range(2)));
    double bitmapPeak = 0, layerPeak = 0;
    for (auto _ : state) {
        const auto movie = Load(file, state.range(3) == 1);
        player::TimelineRunner runner(movie);
        player::FrameRenderer renderer(movie);
        const QSize size = StageSize(*movie);
        player::Stage stage = runner.Start(player::RunMode::Play);
        frames = movie->FrameCount();
        for (int frame = 0; frame < frames; ++frame) {
            if (frame % stride == 0) benchmark::DoNotOptimize(renderer.Render(stage, size));
            runner.Tick(stage, player::RunMode::Play, false);
            bitmapPeak = std::max(bitmapPeak, double(renderer.Cache().BitmapBytes()));
            layerPeak = std::max(layerPeak, double(renderer.Layers().PixelCount()) * 4);
        }
    }
    ReportMemory(state, memory);
    // The renderer's caches at their largest: decoded pictures, layers.
    state.counters["bitmaps_MiB"] = bitmapPeak / kMiB;
    state.counters["layers_MiB"] = layerPeak / kMiB;
    state.counters["frames"] = frames;
    state.counters["drawn_every"] = stride;
    state.counters["ms_per_frame"] = benchmark::Counter(double(frames) * double(state.iterations()),
                                                        benchmark::Counter::kIsIterationInvariantRate |
                                                            benchmark::Counter::kInvert);
}
BENCHMARK(BM_LongMoviePlayThrough)
    ->Args({0, 1000, 1, 0})->Args({0, 5000, 1, 0})->Args({1, 500, 1, 0})->Args({0, 5000, 10, 0})
    ->Args({2, 10000, 100, 0})->Args({0, 1000, 1, 1})->Args({0, 5000, 10, 1})
    ->Iterations(1)->Unit(benchmark::kSecond);

// Decoding the movie's file, as the preview does with each new movie, and
// what the decoded movie holds per record it counts (DecodeLimits::maxRecords
// bounds that memory): held_B_per_record after the decode, peak_B_per_record
// while decoding.
void BM_LongMovieLoad(benchmark::State& state)
{
    const auto bytes = ReadFileBytes(MovieOf(state));
    PeakMemory memory;
    size_t held = 0;
    for (auto _ : state) {
        memory.Reset();
        // The written movie shares the bytes, which are the caller's here.
        auto movie = state.range(2) == 1
                         ? swf::DecodeWrittenMovie(std::make_shared<const std::vector<uint8_t>>(bytes))
                         : swf::DecodeMovie(bytes.data(), bytes.size());
        held = PeakMemory::CurrentBytes() - memory.StartBytes();
        benchmark::DoNotOptimize(movie.frames.size());
    }
    const double records = double(swf::CountDecodedRecords(bytes.data(), bytes.size()));
    state.counters["swf_MiB"] = double(bytes.size()) / kMiB;
    state.counters["records"] = records;
    state.counters["held_B_per_record"] = double(held) / records;
    state.counters["peak_B_per_record"] = double(memory.PeakBytes() - memory.StartBytes()) / records;
}
BENCHMARK(BM_LongMovieLoad)
    ->Args({0, 1000, 0})->Args({0, 5000, 0})->Args({1, 500, 0})->Args({2, 10000, 0})
    ->Args({0, 1000, 1})->Args({0, 5000, 1})
    ->Unit(benchmark::kMillisecond);

// The first seek after the load, to the frame at `range(2)` per mille of the
// movie, on a cursor made for the loaded movie.
void BM_LongMovieFirstSeek(benchmark::State& state)
{
    const auto movie = Load(MovieOf(state));
    const int target = int(int64_t(movie->FrameCount() - 1) * state.range(2) / 1000);
    PeakMemory memory;
    for (auto _ : state) {
        state.PauseTiming();
        auto cursor = std::make_unique<player::StageCursor>(movie);
        state.ResumeTiming();
        benchmark::DoNotOptimize(cursor->Seek(target).Root().children.size());
        state.PauseTiming();
        cursor.reset();
        state.ResumeTiming();
    }
    ReportMemory(state, memory);
    state.counters["frame"] = target;
}
BENCHMARK(BM_LongMovieFirstSeek)
    ->Args({0, 1000, 500})->Args({0, 1000, 1000})->Args({0, 5000, 1000})->Args({1, 500, 1000})
    ->Unit(benchmark::kMillisecond);

// Seeks to random frames one after the other after the load; each iteration
// is one seek. The slowest is reported too. With `range(2)` 1, the snapshots
// are first taken in the background as the player does, and index_ms is how
// long after the load that took (wall time).
void BM_LongMovieRandomSeeks(benchmark::State& state)
{
    const auto movie = Load(MovieOf(state), state.range(3) == 1);
    PeakMemory memory;
    player::StageCursor cursor(movie);
    if (state.range(2) == 1) {
        const auto start = std::chrono::steady_clock::now();
        cursor.IndexInBackground();
        while (!cursor.BackgroundIndexDone()) std::this_thread::sleep_for(std::chrono::microseconds(200));
        state.counters["index_ms"] = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    std::mt19937 random(13);
    std::uniform_int_distribution<int> frames(0, movie->FrameCount() - 1);
    double slowest = 0;
    for (auto _ : state) {
        const int target = frames(random);
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(cursor.Seek(target).Root().children.size());
        slowest = std::max(slowest, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    ReportMemory(state, memory);
    state.counters["slowest_ms"] = slowest;
    state.counters["snapshots"] = double(cursor.SnapshotCount());
    state.counters["held_MiB"] = double(cursor.HeldBytes()) / kMiB;
}
BENCHMARK(BM_LongMovieRandomSeeks)
    ->Args({0, 1000, 0, 0})->Args({0, 5000, 0, 0})->Args({1, 500, 0, 0})
    ->Args({0, 1000, 1, 0})->Args({0, 5000, 1, 0})->Args({1, 500, 1, 0})
    ->Args({0, 1000, 1, 1})->Args({0, 5000, 1, 1})
    ->Iterations(300)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glimmora::bench

#endif  // GLIMMORA_HAS_PLAYER
