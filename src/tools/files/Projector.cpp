#include "tools/files/Projector.h"

#include "player/playback/ExecutableTrailer.h"
#include "tools/files/PlayerWithMovie.h"
#include "files/ReplacingFile.h"
#include "tools/files/SourceFile.h"

#include <cerrno>
#include <cstdint>
#include <string>
#include <system_error>

namespace glimmora::tools {

bool SwfToExe(const std::filesystem::path& source, const std::filesystem::path& target,
              const std::filesystem::path& player)
{
    return WritePlayerWithMovie(source, TargetOrDefault(source, target, ".exe"), player, CarriedMovie::Projector);
}

bool ExeToSwf(const std::filesystem::path& source, const std::filesystem::path& target)
{
    const std::filesystem::path swf = TargetOrDefault(source, target, ".swf");
    RefuseToOverwrite(swf, source, "source");

    SourceFile projector(source);
    // Only the trailer is read on its own; the movie streams to the target.
    uint8_t tail[player::kProjectorTrailerSize] = {};
    const size_t tailSize = size_t(std::min<uint64_t>(projector.size, sizeof tail));
    projector.stream.seekg(std::streamoff(projector.size - tailSize));
    if (!projector.stream.read(reinterpret_cast<char*>(tail), std::streamsize(tailSize))) {
        throw std::system_error(EIO, std::generic_category(), "Cannot read \"" + source.string() + "\"");
    }
    const player::TrailerResult trailer =
        player::ParseProjectorTrailer(std::span<const uint8_t>(tail, tailSize), projector.size);
    if (trailer.kind != player::TrailerResult::Kind::Found) return false;

    std::error_code error;
    files::ReplacingFile out(swf, false, error);
    if (!out.IsOpen()) {
        throw std::system_error(error, "Cannot create \"" + swf.string() + "\"");
    }
    projector.stream.seekg(std::streamoff(trailer.offset));
    out.CopyFrom(projector.stream, trailer.length, source);
    out.Commit();
    return true;
}

}  // namespace glimmora::tools
