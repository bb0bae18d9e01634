// Export of the busy reference movie (800 x 600) to each rendered format:
// wall time per export, frames per second and how many times faster than
// the movie's own length. The comparisons with the ffmpeg program are in
// bench/figures/export-figures.sh.

#ifdef GLIMMORA_HAS_EXPORT

#include "BusyMovieBytes.h"

#include "export/MovieExporter.h"
#include "swf/reader/DecodedMovie.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace glimmora::bench {
namespace {

void BM_ExportBusyMovie(benchmark::State& state, const char* name)
{
    const auto& bytes = BusyMovieBytes();
    exporting::ExportMovie movie;
    movie.movie = std::make_shared<const swf::DecodedMovie>(swf::DecodeMovie(bytes.data(), bytes.size()));
    movie.swf = bytes;
    movie.name = "busy";
    exporting::ExportSettings settings;
    settings.target = std::filesystem::temp_directory_path() / "glimmora-bench-export" / name;
    std::filesystem::create_directories(settings.target.parent_path());
    settings.format = *exporting::FormatForPath(settings.target);
    for (auto _ : state) exporting::ExportMovieFile(movie, settings, nullptr);
    const double frames = movie.movie->FrameCount();
    const double length = frames / movie.movie->header.FramesPerSecond();
    state.counters["frames_per_s"] = benchmark::Counter(frames, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["x_real_time"] = benchmark::Counter(length, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["bytes"] = double(std::filesystem::file_size(settings.target));
    std::filesystem::remove_all(settings.target.parent_path());
}
BENCHMARK_CAPTURE(BM_ExportBusyMovie, Mp4, "busy.mp4")->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportBusyMovie, WebM, "busy.webm")->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportBusyMovie, Gif, "busy.gif")->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportBusyMovie, WebP, "busy.webp")->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportBusyMovie, Apng, "busy.apng")->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
}  // namespace glimmora::bench

#endif  // GLIMMORA_HAS_EXPORT
