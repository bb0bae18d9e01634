#include "effects/sound/conversion/ScratchFile.h"

#include "effects/sound/conversion/SoundError.h"

#include <random>
#include <system_error>

namespace glimmora {

namespace {

std::filesystem::path ScratchNameBeside(const std::filesystem::path& destination)
{
    static std::mt19937_64 random{std::random_device{}()};
    std::filesystem::path name = destination;
    name += ".converting-" + std::to_string(random() % 1000000000ull);
    return name;
}

}  // namespace

ScratchFile::ScratchFile(const std::filesystem::path& destination)
    : destination_(destination), path_(ScratchNameBeside(destination))
{
}

ScratchFile::~ScratchFile()
{
    if (committed_) return;
    std::error_code ec;
    std::filesystem::remove(path_, ec);
}

void ScratchFile::Commit()
{
    std::error_code ec;
    std::filesystem::rename(path_, destination_, ec);
    if (ec)
        throw SoundError("Cannot replace \"" + destination_.string() + "\": " + ec.message());
    committed_ = true;
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
