#include "effects/sound/conversion/ScratchFile.h"

#include "effects/sound/conversion/SoundError.h"

#include <system_error>

namespace glimmora {

ScratchFile::ScratchFile(const std::filesystem::path& destination)
{
    try {
        staged_.emplace(destination);
    } catch (const std::system_error& error) {
        throw SoundError("Cannot write \"" + destination.string() + "\": " + error.code().message());
    }
}

void ScratchFile::Commit()
{
    try {
        staged_->Commit();
    } catch (const std::system_error& error) {
        throw SoundError("Cannot replace \"" + staged_->Target().string() + "\": " + error.code().message());
    }
}

void MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    if (!ec) return;
    if (ec != std::errc::cross_device_link)
        throw SoundError("Cannot move \"" + from.string() + "\" to \"" + to.string() + "\": " + ec.message());
    ScratchFile scratch(to);
    std::filesystem::copy_file(from, scratch.Path(), std::filesystem::copy_options::overwrite_existing, ec);
    if (ec)
        throw SoundError("Cannot copy \"" + from.string() + "\" to \"" + to.string() + "\": " + ec.message());
    scratch.Commit();
    std::filesystem::remove(from, ec);
}

}  // namespace glimmora
