// The preview's side of an edit: drawing a frame of the busy reference movie
// at 800 x 600, and the whole road from a changed document to the new first
// frame drawn (build, write, load, decode, seek, draw).

#ifdef GLIMMORA_HAS_PLAYER

#include "projects/BusyMovie.h"

#include "document/ProjectFiles.h"
#include "document/XmlDocument.h"
#include "generation/TVuzozUzev.h"
#include "objects/RandomSource.h"
#include "player/FrameRenderer.h"
#include "player/timeline/StageCursor.h"
#include "swf/encoder/EncoderService.h"
#include "swf/reader/DecodedMovie.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <filesystem>
#include <iostream>
#include <vector>

namespace glimmora::bench {
namespace {

class PrintingReporter : public IErrorReporter {
public:
    void ShowError(const std::string& message) override { std::cerr << "bench: " << message << '\n'; }
};

struct BusyPreview {
    BusyPreview() : service(MakeEncoderService()), builder(*service, reporter, random)
    {
        const auto folder = std::filesystem::temp_directory_path() / "glimmora-bench-preview";
        const auto project = WriteBusyProject(folder);
        builder.WorkingProject = folder / "working.gmr";
        builder.WorkingMovie = folder / "working.swf";
        builder.BasePath = std::filesystem::path(project).replace_extension();
        movie = LoadProject(document, project, builder.WorkingProject);
        builder.SetDocument(&movie);
        builder.BuildMovie();
    }
    PrintingReporter reporter;
    ClockRandomSource random;
    std::unique_ptr<swfService> service;
    TVuzozUzev builder;
    TXMLDocument document;
    IXMLMovie movie;
};

BusyPreview& Busy()
{
    static BusyPreview preview;
    return preview;
}

void BM_RenderBusyFrame800x600(benchmark::State& state)
{
    auto decoded = std::make_shared<const swf::DecodedMovie>(swf::DecodeMovieFile(Busy().builder.WorkingMovie.string()));
    player::StageCursor cursor(decoded);
    player::FrameRenderer renderer(decoded);
    const int frame = int(state.range(0));
    const player::Stage stage = cursor.Seek(frame);
    renderer.Render(stage, QSize(800, 600));  // warm the caches, as a playing preview has them
    for (auto _ : state) benchmark::DoNotOptimize(renderer.Render(stage, QSize(800, 600)));
    state.counters["objects"] = double(stage.Root().children.size());
    state.counters["frames_per_second"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
// Wall time: the frame is drawn on a pool thread while the caller waits.
BENCHMARK(BM_RenderBusyFrame800x600)->Arg(0)->Arg(40)->Arg(120)->UseRealTime()->Unit(benchmark::kMillisecond);

// The same frames with the CPU time of every thread of the process.
void BM_RenderBusyFrameAllThreads800x600(benchmark::State& state)
{
    BM_RenderBusyFrame800x600(state);
}
BENCHMARK(BM_RenderBusyFrameAllThreads800x600)
    ->Arg(0)->Arg(40)->Arg(120)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// A frame where nothing is as in the frame before, so that every object is
// drawn anew: each iteration draws an empty frame, then the busy one.
void BM_RenderBusyFrameAllNew800x600(benchmark::State& state)
{
    auto decoded = std::make_shared<const swf::DecodedMovie>(swf::DecodeMovieFile(Busy().builder.WorkingMovie.string()));
    player::StageCursor cursor(decoded);
    player::FrameRenderer renderer(decoded);
    const int frame = int(state.range(0));
    const player::Stage stage = cursor.Seek(frame);
    const player::Stage empty(&decoded->frames);
    renderer.Render(stage, QSize(800, 600));  // decoded bitmaps and glyphs
    for (auto _ : state) {
        benchmark::DoNotOptimize(renderer.Render(empty, QSize(800, 600)));
        benchmark::DoNotOptimize(renderer.Render(stage, QSize(800, 600)));
    }
}
BENCHMARK(BM_RenderBusyFrameAllNew800x600)
    ->Arg(40)->Arg(120)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// Playing: one frame after the other from `range(0)` for 120 frames, round
// and round, so that only what stays unchanged between frames is reused.
void BM_PlayBusyFrames800x600(benchmark::State& state)
{
    auto decoded = std::make_shared<const swf::DecodedMovie>(swf::DecodeMovieFile(Busy().builder.WorkingMovie.string()));
    player::StageCursor cursor(decoded);
    player::FrameRenderer renderer(decoded);
    const int first = int(state.range(0));
    constexpr int kFrames = 120;
    std::vector<player::Stage> stages;
    for (int frame = first; frame < first + kFrames; ++frame) stages.push_back(cursor.Seek(frame));
    for (int i = 0; i < kFrames; ++i) renderer.Render(stages[size_t(i)], QSize(800, 600));  // decoded bitmaps
    int next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(renderer.Render(stages[size_t(next)], QSize(800, 600)));
        next = (next + 1) % kFrames;
    }
    state.counters["frames_per_second"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PlayBusyFrames800x600)->Arg(40)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_EditToPreview(benchmark::State& state)
{
    BusyPreview& busy = Busy();
    IXMLObjText text = busy.movie.Obj().Items(0).ObjType().ObjText();
    int edit = 0;
    for (auto _ : state) {
        text.SetContent("Edited text number " + std::to_string(++edit % 10));
        busy.builder.BuildMovie();
        auto decoded =
            std::make_shared<const swf::DecodedMovie>(swf::DecodeMovieFile(busy.builder.WorkingMovie.string()));
        player::StageCursor cursor(decoded);
        player::FrameRenderer renderer(decoded);
        benchmark::DoNotOptimize(renderer.Render(cursor.Seek(0), QSize(800, 600)));
    }
}
BENCHMARK(BM_EditToPreview)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glimmora::bench

#endif  // GLIMMORA_HAS_PLAYER
