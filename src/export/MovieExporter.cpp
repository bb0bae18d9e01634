#include "export/MovieExporter.h"

#include "export/AvMovieWriter.h"
#include "export/ExportError.h"
#include "export/GifPalette.h"
#include "export/MovieFrames.h"
#include "export/MoviePage.h"
#include "export/StagedFile.h"
#include "export/WebPWriter.h"
#include "export/WebPlayer.h"

#include <fstream>
#include <functional>
#include <future>
#include <list>

namespace glimmora::exporting {
namespace {

// Steps through an export's work, asking the listener after each.
class Steps {
public:
    Steps(ExportProgress* progress, int total) : progress_(progress), total_(std::max(1, total)) {}
    void Done()
    {
        ++done_;
        if (progress_ && !progress_->Step(std::min(done_, total_), total_)) throw ExportCancelled();
    }
    void Start()
    {
        if (progress_ && !progress_->Step(0, total_)) throw ExportCancelled();
    }

private:
    ExportProgress* progress_;
    int total_;
    int done_ = 0;
};

// Visits the frames in order, drawing the next one while `visit` encodes the
// one before: the renderer and the encoder work side by side.
void ForEachImage(MovieFrames& frames, const std::function<void(int, const QImage&)>& visit)
{
    std::future<QImage> next = std::async(std::launch::async, [&frames] { return frames.Image(0); });
    for (int i = 0; i < frames.FrameCount(); ++i) {
        const QImage image = next.get();
        if (i + 1 < frames.FrameCount())
            next = std::async(std::launch::async, [&frames, i] { return frames.Image(i + 1); });
        try {
            visit(i, image);
        } catch (...) {
            if (next.valid()) next.wait();  // the renderer must be done before it goes
            throw;
        }
    }
}

// The sequence's file of `frame`: "%d" in the file name becomes its number.
std::filesystem::path SequenceName(const std::filesystem::path& pattern, int frame)
{
    std::string name = pattern.filename().string();
    name.replace(name.find("%d"), 2, std::to_string(frame));
    return pattern.parent_path() / name;
}

void WriteVideo(const ExportMovie& movie, const ExportSettings& settings, const ExportPlan& plan, Steps& steps)
{
    MovieFrames frames(movie.movie, plan);
    StagedFile file(settings.target);
    AvMovieWriter writer(settings.format, file, plan, settings.quality, settings.loopCount, frames.HasSounds());
    ForEachImage(frames, [&](int, const QImage& image) {
        writer.AddFrame(image);
        if (frames.HasSounds()) writer.AddSound(frames.NextSound());
        steps.Done();
    });
    writer.Finish();
    file.Commit();
    steps.Done();
}

// Two passes: the palette from every frame, then the frames on it.
void WriteGif(const ExportMovie& movie, const ExportSettings& settings, const ExportPlan& plan, Steps& steps)
{
    GifPalette palette(settings.quality);
    {
        MovieFrames frames(movie.movie, plan);
        ForEachImage(frames, [&](int, const QImage& image) {
            palette.Add(image);
            steps.Done();
        });
    }
    palette.Choose();
    MovieFrames frames(movie.movie, plan);
    StagedFile file(settings.target);
    AvMovieWriter writer(ExportFormat::Gif, file, plan, settings.quality, settings.loopCount, false);
    std::vector<uint8_t> indices;
    ForEachImage(frames, [&](int, const QImage& image) {
        palette.Map(image, indices);
        writer.AddIndexedFrame(indices.data(), palette.Entries());
        steps.Done();
    });
    writer.Finish();
    file.Commit();
    steps.Done();
}

void WriteWebP(const ExportMovie& movie, const ExportSettings& settings, const ExportPlan& plan, Steps& steps)
{
    MovieFrames frames(movie.movie, plan);
    StagedFile file(settings.target);
    WebPWriter writer(file, plan, settings.quality, settings.loopCount);
    ForEachImage(frames, [&](int, const QImage& image) {
        writer.AddFrame(image);
        steps.Done();
    });
    writer.Finish();
    file.Commit();
    steps.Done();
}

// Every file is staged; all are renamed once all are written.
void WritePngSequence(const ExportMovie& movie, const ExportSettings& settings, const ExportPlan& plan,
                      Steps& steps)
{
    MovieFrames frames(movie.movie, plan);
    std::list<StagedFile> files;
    ForEachImage(frames, [&](int i, const QImage& image) {
        StagedFile& file = files.emplace_back(SequenceName(settings.target, plan.firstFrame + i));
        if (!image.save(QString::fromStdString(file.Path().string()), "PNG"))
            throw ExportError("Cannot write \"" + file.Target().string() + "\".");
        steps.Done();
    });
    for (StagedFile& file : files) file.Commit();
    steps.Done();
}

void WritePage(const ExportMovie& movie, const ExportSettings& settings, const ExportPlan& plan,
               const std::filesystem::path& webPlayer, Steps& steps)
{
    if (movie.swf.empty()) throw ExportError("The web page needs the movie's SWF file.");
    const WebPlayer player = LoadWebPlayer(webPlayer);
    steps.Done();
    MoviePageOptions options;
    options.title = movie.name;
    options.size = plan.size;
    if (movie.movie->background) {
        const swf::Rgba c = *movie.movie->background;
        options.background = (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b;
    }
    const std::string page = MakeMoviePage(player, movie.swf, options);
    steps.Done();
    StagedFile file(settings.target);
    {
        std::ofstream out(file.Path(), std::ios::binary | std::ios::trunc);
        out.write(page.data(), std::streamsize(page.size()));
        out.close();
        if (!out) throw ExportError("Cannot write \"" + settings.target.string() + "\": the disk refused the data.");
    }
    file.Commit();
    steps.Done();
}

}  // namespace

std::filesystem::path WebPlayerFolder(const std::filesystem::path& programFolder)
{
    return programFolder / "ruffle";
}

void ExportMovieFile(const ExportMovie& movie, const ExportSettings& settings, ExportProgress* progress,
                     const std::filesystem::path& webPlayer)
{
    if (!movie.movie) throw ExportError("There is no movie to export.");
    const ExportPlan plan = PlanExport(*movie.movie, settings);
    const ExportFormat format = settings.format;
    if (format == ExportFormat::PngSequence && !HasFrameNumber(settings.target.filename().string()))
        throw ExportError("The name \"" + settings.target.string() + "\" needs %d for the frame number.");
    // A step per frame drawn (GIF draws each twice) and one to finish; the
    // page has three: the player read, the page made, the page written.
    const int frames = plan.FrameCount();
    const int total = format == ExportFormat::Html ? 3 : format == ExportFormat::Gif ? 2 * frames + 1 : frames + 1;
    Steps steps(progress, total);
    steps.Start();
    switch (format) {
    case ExportFormat::Mp4:
    case ExportFormat::WebM:
    case ExportFormat::Apng: WriteVideo(movie, settings, plan, steps); break;
    case ExportFormat::Gif: WriteGif(movie, settings, plan, steps); break;
    case ExportFormat::WebP: WriteWebP(movie, settings, plan, steps); break;
    case ExportFormat::PngSequence: WritePngSequence(movie, settings, plan, steps); break;
    case ExportFormat::Html: WritePage(movie, settings, plan, webPlayer, steps); break;
    }
}

}  // namespace glimmora::exporting
