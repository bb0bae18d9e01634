#pragma once
// A new file written beside its target under a temporary name and renamed
// over the target once complete: a failure never leaves a half-written target
// nor destroys an existing one. The temporary name carries the writer's
// process id ("<target>.<pid>-<8 hex digits>.part"), so that what a killed
// writer left behind is recognised and removed by the next writer of the
// same target.

#include <filesystem>

namespace glimmora::files {

class StagedFile {
public:
    // Removes the leftovers of dead writers of `target` (once per target and
    // process), then reserves a temporary name in the target's folder,
    // creating the file empty; `executable` gives it the execute bits the
    // umask allows. Throws std::system_error naming the target.
    explicit StagedFile(std::filesystem::path target, bool executable = false);
    // Removes the temporary file unless Commit succeeded.
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Where the writer writes until Commit.
    const std::filesystem::path& Path() const { return temporary_; }
    const std::filesystem::path& Target() const { return target_; }

    // Renames the finished file over the target; throws std::system_error
    // naming the target.
    void Commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
};

}  // namespace glimmora::files
