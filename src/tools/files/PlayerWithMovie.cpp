#include "tools/files/PlayerWithMovie.h"

#include "tools/files/ReplacingFile.h"
#include "tools/files/SourceFile.h"

#include <stdexcept>
#include <string>

namespace glimmora::tools {

bool WritePlayerWithMovie(const PlayerWithMovie& job)
{
    RefuseToOverwrite(job.target, job.source, "source");
    RefuseToOverwrite(job.target, job.player, "player");

    bool playerOpened = false;
    SourceFile player(job.player, playerOpened);
    if (!playerOpened) return false;
    SourceFile movie(job.source);
    if (movie.size == 0) throw std::invalid_argument("The movie file \"" + movie.path.string() + "\" is empty.");
    if (movie.size > job.maxMovieLength) {
        throw std::invalid_argument("The movie file \"" + movie.path.string() + "\" is too large (" +
                                    std::to_string(movie.size) + " bytes) to be carried by a player.");
    }

    std::error_code error;
    ReplacingFile out(job.target, true, error);
    if (!out.IsOpen()) return false;
    out.CopyFrom(player.stream, player.size, player.path);
    out.CopyFrom(movie.stream, movie.size, movie.path);
    out.Write(job.trailer(uint32_t(movie.size)));
    out.Commit();
    return true;
}

}  // namespace glimmora::tools
