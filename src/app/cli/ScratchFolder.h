#pragma once
// A folder of our own under the temporary folder, removed with everything in
// it when done: each build and conversion works in its own, so that several
// runs (and the editor) never share a working file.

#include <filesystem>

namespace glimmora::cli {

class ScratchFolder {
public:
    // Throws DocumentError when no folder can be made.
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace glimmora::cli
