#include "tools/files/PlayerWithMovie.h"

#include "player/playback/ExecutableTrailer.h"
#include "files/ReplacingFile.h"
#include "tools/files/PlayerProgram.h"
#include "tools/files/SourceFile.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace glimmora::tools {

bool WritePlayerWithMovie(const std::filesystem::path& source, const std::filesystem::path& target,
                          const std::filesystem::path& player, CarriedMovie layout)
{
    RefuseToOverwrite(target, source, "source");
    RefuseToOverwrite(target, player, "player");

    bool playerOpened = false;
    SourceFile playerFile(player, playerOpened);
    if (!playerOpened) return false;
    if (!IsPlayerProgram(player)) {
        throw std::invalid_argument("\"" + player.string() +
                                    "\" is not the Glimmora player program, which a projector or screensaver "
                                    "must carry to play its movie.");
    }
    SourceFile movie(source);
    const uint64_t maxMovieLength = layout == CarriedMovie::Projector
                                        ? UINT32_MAX
                                        : UINT32_MAX - player::kScreensaverTrailerSize;
    if (movie.size == 0) throw std::invalid_argument("The movie file \"" + movie.path.string() + "\" is empty.");
    if (movie.size > maxMovieLength) {
        throw std::invalid_argument("The movie file \"" + movie.path.string() + "\" is too large (" +
                                    std::to_string(movie.size) + " bytes) to be carried by a player.");
    }

    std::error_code error;
    files::ReplacingFile out(target, true, error);
    if (!out.IsOpen()) return false;
    out.CopyFrom(playerFile.stream, playerFile.size, playerFile.path);
    out.CopyFrom(movie.stream, movie.size, movie.path);
    const auto length = uint32_t(movie.size);
    if (layout == CarriedMovie::Projector) out.Write(player::ProjectorTrailer(length));
    else out.Write(player::ScreensaverTrailer(length));
    out.Commit();
    return true;
}

}  // namespace glimmora::tools
