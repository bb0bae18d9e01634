// The preview's side of an edit: drawing a frame of the busy reference movie
// at 800 x 600, and the whole road from a changed document to the new first
// frame drawn (build, write, load, decode, seek, draw).

#ifdef GLIMMORA_HAS_PLAYER

#include "BusyMovie.h"

#include "document/ProjectFiles.h"
#include "document/XmlDocument.h"
#include "generation/RandomSource.h"
#include "generation/TVuzozUzev.h"
#include "player/FrameCursor.h"
#include "player/FrameRenderer.h"
#include "swf/encoder/EncoderService.h"
#include "swf/reader/DecodedMovie.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <filesystem>
#include <iostream>

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
    player::FrameCursor cursor(decoded);
    player::FrameRenderer renderer(decoded);
    const int frame = int(state.range(0));
    const swf::DisplayList list = cursor.Seek(frame);
    renderer.Render(list, frame, QSize(800, 600));  // warm the caches, as a playing preview has them
    for (auto _ : state) benchmark::DoNotOptimize(renderer.Render(list, frame, QSize(800, 600)));
    state.counters["objects"] = double(list.size());
    state.counters["frames_per_second"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderBusyFrame800x600)->Arg(0)->Arg(40)->Arg(120)->Unit(benchmark::kMillisecond);

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
        player::FrameCursor cursor(decoded);
        player::FrameRenderer renderer(decoded);
        benchmark::DoNotOptimize(renderer.Render(cursor.Seek(0), 0, QSize(800, 600)));
    }
}
BENCHMARK(BM_EditToPreview)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glimmora::bench

#endif  // GLIMMORA_HAS_PLAYER
