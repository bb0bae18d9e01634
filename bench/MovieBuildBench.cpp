// Build-and-write time of whole movies, the path every edit takes.

#include "projects/BusyMovie.h"
#include "projects/LongMovies.h"
#include "projects/MediaFiles.h"
#include "projects/ProjectXml.h"

#include "document/ProjectFiles.h"
#include "document/XmlDocument.h"
#include "effects/picture/PicEffectTable.h"
#include "effects/picture/import/PictureImport.h"
#include "generation/TVuzozUzev.h"
#include "objects/RandomSource.h"
#include "swf/encoder/EncoderMovie.h"
#include "swf/encoder/EncoderService.h"
#include "swf/reader/DecodedMovie.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iostream>

namespace glimmora::bench {
namespace {

class SilentReporter : public IErrorReporter {
public:
    void ShowError(const std::string& message) override { std::cerr << "bench: " << message << '\n'; }
};

std::filesystem::path BenchFolder(const std::string& name)
{
    auto folder = std::filesystem::temp_directory_path() / ("glimmora-bench-" + name);
    std::filesystem::create_directories(folder);
    return folder;
}

// A project loaded into a working copy, with the builder the editor would have.
struct LoadedProject {
    explicit LoadedProject(const std::filesystem::path& project) : service(MakeEncoderService())
    {
        const auto folder = project.parent_path();
        working = folder / "working.gmr";
        base = std::filesystem::path(project).replace_extension();
        movie = LoadProject(document, project, working);
        builder = NewBuilder();
    }

    // A builder with nothing kept from earlier builds; the service's caches
    // (outlines, files, contents) stay warm, as they do in the editor.
    std::unique_ptr<TVuzozUzev> NewBuilder()
    {
        auto fresh = std::make_unique<TVuzozUzev>(*service, reporter, random);
        fresh->WorkingProject = working;
        fresh->WorkingMovie = working.parent_path() / "working.swf";
        fresh->BasePath = base;
        fresh->SetDocument(&movie);
        return fresh;
    }

    SilentReporter reporter;
    ClockRandomSource random;
    std::unique_ptr<swfService> service;
    std::filesystem::path working, base;
    TXMLDocument document;
    IXMLMovie movie;
    std::unique_ptr<TVuzozUzev> builder;
};

size_t CountPlacements(const std::filesystem::path& swf)
{
    const auto decoded = swf::DecodeMovieFile(swf.string());
    size_t placements = 0;
    for (const auto& frame : decoded.frames)
        for (const auto& op : frame.ops)
            if (op.kind != swf::DisplayOp::Kind::Remove) ++placements;
    return placements;
}

void ReportMovie(benchmark::State& state, const std::filesystem::path& swf)
{
    const auto bytes = std::filesystem::file_size(swf);
    const auto placements = CountPlacements(swf);
    state.counters["swf_bytes"] = double(bytes);
    state.counters["placements"] = double(placements);
    state.counters["bytes_per_placement"] = placements ? double(bytes) / double(placements) : 0.0;
}

// Every object generated anew in every build: what a build without kept
// parts costs (opening a project, or the first build).
void FullBuilds(benchmark::State& state, const std::filesystem::path& project)
{
    LoadedProject loaded(project);
    loaded.builder->BuildMovie();  // the outlines and files, once
    for (auto _ : state) {
        loaded.builder = loaded.NewBuilder();
        loaded.builder->BuildMovie();
    }
    ReportMovie(state, loaded.builder->WorkingMovie);
}

// A letter typed into the first text, or taken back, then the build: the
// editor's road for each key, the preview left out.
void EditBuilds(benchmark::State& state, const std::filesystem::path& project)
{
    LoadedProject loaded(project);
    loaded.builder->BuildMovie();
    IXMLObjText text;
    for (const IXMLObj& obj : loaded.movie.Obj().All())
        if (obj.ObjTypeName() == "Text") {
            text = obj.ObjType().ObjText();
            break;
        }
    if (!text) return state.SkipWithError("the project has no text");
    const std::string content = text.Content();
    int typed = 0;
    for (auto _ : state) {
        text.SetContent(++typed % 2 ? content + "a" : content);
        loaded.builder->BuildMovie();
    }
    ReportMovie(state, loaded.builder->WorkingMovie);
}

const std::filesystem::path& BusyProject()
{
    static const auto project = WriteBusyProject(BenchFolder("busy"));
    return project;
}

void BM_BusyMovieFullBuild(benchmark::State& state) { FullBuilds(state, BusyProject()); }
BENCHMARK(BM_BusyMovieFullBuild)->Unit(benchmark::kMillisecond);

void BM_BusyMovieEditBuild(benchmark::State& state) { EditBuilds(state, BusyProject()); }
BENCHMARK(BM_BusyMovieEditBuild)->Unit(benchmark::kMillisecond);

// A project of `objects` (their XML) in a folder of its own.
std::filesystem::path WriteObjectsProject(const std::string& name, const std::string& objects)
{
    const auto folder = BenchFolder(name);
    const auto project = folder / (name + ".gmr");
    std::ofstream(project, std::ios::binary) << MovieStart({.bgColor = 0}) << objects << MovieEnd();
    return project;
}

std::string TextObject(int i, const std::string& content, const std::string& effect, int y)
{
    return TextObjectXml({.name = "Text_" + std::to_string(i), .content = content, .size = 12, .x = 10, .y = y,
                          .effect = effect});
}

void BM_SinOn127Letters(benchmark::State& state)
{
    std::string content;
    for (int i = 0; i < 127; ++i) content += char('a' + i % 26);
    static const auto project = WriteObjectsProject("sin127", TextObject(1, content, "Sin", 100));
    FullBuilds(state, project);
}
BENCHMARK(BM_SinOn127Letters)->Unit(benchmark::kMillisecond);

void BM_FortyLetterEffectTexts(benchmark::State& state)
{
    static const char* const effects[] = {"Come In", "Come Out", "Roll In", "Heart Beat", "Kerning", "Rainbow", "Sin"};
    std::string objects;
    for (int i = 0; i < 40; ++i)
        objects += TextObject(i + 1, "Letter effect " + std::to_string(i + 100), effects[i % 7], 10 + i * 14);
    static const auto project = WriteObjectsProject("forty", objects);
    FullBuilds(state, project);
}
BENCHMARK(BM_FortyLetterEffectTexts)->Unit(benchmark::kMillisecond);

// One animated picture per routine: every name but the still one and the fades.
void BM_NinetyAnimatedPictures(benchmark::State& state)
{
    static const auto project = [] {
        const auto folder = BenchFolder("ninety");
        std::string objects;
        int i = 0;
        for (const auto& name : PicEffectNames()) {
            if (name == "-- None --" || name == "Fade In" || name == "Fade Out") continue;
            const std::string obj = "Pic_" + std::to_string(++i);
            WriteJpeg(folder / (obj + ".jpg"), 160, 120, i);
            objects += PictureObjectXml({.name = obj, .start = i * 3, .end = i * 3 + 24, .content = "p.jpg", .x = 100,
                                         .y = 100, .width = 160, .height = 120, .effect = name});
        }
        return WriteObjectsProject("ninety", objects);
    }();
    FullBuilds(state, project);
}
BENCHMARK(BM_NinetyAnimatedPictures)->Unit(benchmark::kMillisecond);

// The long movies: a new 20-letter text every 3 frames through the twelve
// animated effects, and a new picture every 6 frames. Build CPU should grow
// with the object count, no faster.
std::filesystem::path TextMovie(int texts)
{
    const std::string name = "texts-" + std::to_string(texts);
    const auto project = BenchFolder(name) / (name + ".gmr");
    if (!std::filesystem::exists(project)) WriteTextMovie(BenchFolder(name), name, TextMovieShape{.texts = texts, .effects = {}});
    return project;
}

void BM_TextMovieFullBuild(benchmark::State& state)
{
    FullBuilds(state, TextMovie(int(state.range(0))));
    state.counters["texts"] = double(state.range(0));
}
BENCHMARK(BM_TextMovieFullBuild)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_TextMovieEditBuild(benchmark::State& state)
{
    EditBuilds(state, TextMovie(int(state.range(0))));
    state.counters["texts"] = double(state.range(0));
}
BENCHMARK(BM_TextMovieEditBuild)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

// The encoding alone of a long movie built once, as every build ends: the
// peer of the builds above without the objects' generation and the file.
void BM_TextMovieEncodeOnly(benchmark::State& state)
{
    LoadedProject loaded(TextMovie(int(state.range(0))));
    loaded.builder->BuildMovie();
    auto& movie = dynamic_cast<swf::EncoderMovie&>(*loaded.builder->Holders().movie);
    size_t bytes = 0;
    for (auto _ : state) {
        bytes = movie.EncodeMovie().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["swf_bytes"] = double(bytes);
    state.counters["texts"] = double(state.range(0));
}
BENCHMARK(BM_TextMovieEncodeOnly)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_PictureMovieFullBuild(benchmark::State& state)
{
    const int pictures = int(state.range(0));
    const std::string name = "pictures-" + std::to_string(pictures);
    static const auto project = WritePictureMovie(BenchFolder(name), name, pictures);
    FullBuilds(state, project);
    state.counters["pictures"] = pictures;
}
BENCHMARK(BM_PictureMovieFullBuild)->Arg(500)->Unit(benchmark::kMillisecond);

// The import of the largest picture a movie takes: 800 x 600 JPEG in, quality 75 out.
void BM_ConvertJpeg800x600(benchmark::State& state)
{
    const auto folder = BenchFolder("convert");
    const auto source = folder / "source.jpg";
    WriteJpeg(source, 800, 600, 7);
    SilentReporter reporter;
    const StoredPictureFiles targets{folder / "Pic_1.jpg", folder / "Pic_1.png"};
    for (auto _ : state)
        benchmark::DoNotOptimize(ImportPicture(source, targets, reporter));
    state.counters["bytes_out"] = double(std::filesystem::file_size(folder / "Pic_1.jpg"));
}
BENCHMARK(BM_ConvertJpeg800x600)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glimmora::bench

BENCHMARK_MAIN();
