#pragma once
// Small decoded movies for the export tests, and an export run in one call.

#include "export/MovieExporter.h"
#include "support/ProjectFixtures.h"
#include "swf/reader/DecodedMovie.h"

#include <filesystem>
#include <memory>
#include <vector>

namespace glimmora::test {

// `frames` frames at `fps` on a grey stage: a red box that moves one step
// right per frame over a green bar that stays.
std::shared_ptr<swf::DecodedMovie> MovingBoxMovie(int frames, int fps = 12, int width = 160, int height = 120);

// A click (a short full-scale burst, 16-bit mono PCM at 22050 Hz, as the
// builder writes sounds) started on `frame`.
void AddClick(swf::DecodedMovie& movie, int frame, uint16_t soundId = 100);

// Counts the steps and can cancel after a number of them.
class CountingProgress : public exporting::ExportProgress {
public:
    explicit CountingProgress(int cancelAfter = -1) : cancelAfter_(cancelAfter) {}
    bool Step(int done, int total) override
    {
        steps.push_back(done);
        this->total = total;
        return cancelAfter_ < 0 || done < cancelAfter_;
    }
    std::vector<int> steps;
    int total = 0;

private:
    int cancelAfter_;
};

// The program folder of this build, which holds the web player.
std::filesystem::path ProgramFolderPath();

exporting::ExportMovie Movie(std::shared_ptr<const swf::DecodedMovie> movie);

// Exports with the format of `target`'s extension and default settings
// changed by `change`.
template <typename Change>
void Export(const exporting::ExportMovie& movie, const std::filesystem::path& target, Change change,
            exporting::ExportProgress* progress = nullptr)
{
    exporting::ExportSettings settings;
    settings.target = target;
    settings.format = *exporting::FormatForPath(target);
    change(settings);
    exporting::ExportMovieFile(movie, settings, progress, exporting::WebPlayerFolder(ProgramFolderPath()));
}

}  // namespace glimmora::test
