#pragma once
// The base path of this instance's unsaved project. Two running instances
// never share one working copy: the first takes <temp>/Untitled and holds a
// lock file beside it; another one falls back to <temp>/Untitled-<pid>.

#include <QLockFile>

#include <filesystem>
#include <memory>

namespace glimmora {

class WorkingBase {
public:
    // Takes a working base in `tempDir` and keeps it locked for this object's lifetime.
    explicit WorkingBase(const std::filesystem::path& tempDir);
    ~WorkingBase();

    const std::filesystem::path& Base() const { return base_; }

private:
    std::filesystem::path base_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace glimmora
