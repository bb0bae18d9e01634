#pragma once
// A scratch file beside a destination: written first, then renamed over the
// destination in one step when complete, and removed if it never was. The
// destination is thus either its old content or the complete new one, and may
// even be the file the scratch was made from.

#include <filesystem>

namespace glimmora {

class ScratchFile {
public:
    explicit ScratchFile(const std::filesystem::path& destination);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Renames the scratch over the destination; throws SoundError on failure.
    void Commit();

private:
    std::filesystem::path destination_;
    std::filesystem::path path_;
    bool committed_ = false;
};

// Moves `from` to `to`, replacing `to`; across file systems by copying beside
// `to` first. Throws SoundError naming both files when it cannot.
void MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace glimmora
