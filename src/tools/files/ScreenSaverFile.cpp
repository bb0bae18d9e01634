#include "tools/files/ScreenSaverFile.h"

#include "tools/files/PlayerWithMovie.h"
#include "tools/files/SourceFile.h"

namespace glimmora::tools {

bool MakeScreenSaver(const std::filesystem::path& source, const std::filesystem::path& target,
                     const std::filesystem::path& player)
{
    return WritePlayerWithMovie(source, TargetOrDefault(source, target, ".scr"), player,
                                CarriedMovie::Screensaver);
}

}  // namespace glimmora::tools
