#pragma once
// Exports a movie to any of the export formats: draws its frames with the
// player's renderer, mixes its sounds with the player's mixer, hands both to
// the format's writer, and reports progress as it goes. The file appears
// under its name only when complete; a cancelled or failed export leaves
// nothing behind and an earlier file of that name as it was.

#include "export/ExportSettings.h"
#include "swf/reader/DecodedMovie.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace glimmora::exporting {

// Told how far an export has come; answers whether to go on.
class ExportProgress {
public:
    virtual ~ExportProgress() = default;
    // `done` of `total` steps are finished (total stays the same through
    // one export). Returning false cancels the export.
    virtual bool Step(int done, int total) = 0;
};

struct ExportMovie {
    std::shared_ptr<const swf::DecodedMovie> movie;
    std::vector<uint8_t> swf;    // the file's bytes, for the web page
    std::string name;            // the movie's name, for the web page's title
};

// The program folder's copy of the web player, which web pages carry.
std::filesystem::path WebPlayerFolder(const std::filesystem::path& programFolder);

// Writes `movie` as `settings` ask. `webPlayer` is the folder of the web
// player (only the web page needs it). Throws ExportError, or
// ExportCancelled when `progress` said stop.
void ExportMovieFile(const ExportMovie& movie, const ExportSettings& settings, ExportProgress* progress,
                     const std::filesystem::path& webPlayer = {});

}  // namespace glimmora::exporting
