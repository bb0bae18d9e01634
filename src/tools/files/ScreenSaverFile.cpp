#include "tools/files/ScreenSaverFile.h"

#include "player/playback/ExecutableTrailer.h"
#include "tools/files/PlayerWithMovie.h"
#include "tools/files/SourceFile.h"

#include <cstdint>

namespace glimmora::tools {

bool MakeScreenSaver(const std::filesystem::path& source, const std::filesystem::path& target,
                     const std::filesystem::path& player)
{
    PlayerWithMovie job;
    job.source = source;
    job.target = TargetOrDefault(source, target, ".scr");
    job.player = player;
    job.maxMovieLength = UINT32_MAX - player::kScreensaverTrailerSize;
    job.trailer = [](uint32_t length) {
        const auto bytes = player::ScreensaverTrailer(length);
        return std::vector<uint8_t>(bytes.begin(), bytes.end());
    };
    return WritePlayerWithMovie(job);
}

}  // namespace glimmora::tools
