#pragma once
// A scratch file beside a destination: written first, then renamed over the
// destination in one step when complete, and removed if it never was. The
// destination is thus either its old content or the complete new one, and may
// even be the file the scratch was made from.

#include "files/StagedFile.h"

#include <filesystem>
#include <optional>

namespace glimmora {

class ScratchFile {
public:
    // Throws SoundError when the destination's folder takes no new file.
    explicit ScratchFile(const std::filesystem::path& destination);
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::filesystem::path& Path() const { return staged_->Path(); }
    // Renames the scratch over the destination; throws SoundError on failure.
    void Commit();

private:
    std::optional<files::StagedFile> staged_;
};

// Moves `from` to `to`, replacing `to`; across file systems by copying beside
// `to` first. Throws SoundError naming both files when it cannot.
void MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace glimmora
