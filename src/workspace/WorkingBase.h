#pragma once
// The base path of this instance's unsaved project, in a folder of its own:
// the working copy, the working movie and the pictures and sounds of an
// untitled project (Pic_1.jpg, Sound_1.wav, test.wav) live there, so two
// running instances never write each other's files. The first instance takes
// <temp>/Glimmora-Untitled and holds a lock file beside it; another one falls
// back to <temp>/Glimmora-Untitled-<pid>. The base is <folder>/Untitled.

#include <QLockFile>

#include <filesystem>
#include <memory>

namespace glimmora {

class WorkingBase {
public:
    // Takes a working folder in `tempDir` (creating it) and keeps it locked
    // for this object's lifetime.
    explicit WorkingBase(const std::filesystem::path& tempDir);
    ~WorkingBase();

    const std::filesystem::path& Base() const { return base_; }

private:
    std::filesystem::path base_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace glimmora
