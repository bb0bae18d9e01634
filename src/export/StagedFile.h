#pragma once
// An output file written under a temporary name beside its target and
// renamed over the target only when complete: a cancelled or failed export
// leaves neither a partial file nor a damaged earlier one.

#include <filesystem>

namespace glimmora::exporting {

class StagedFile {
public:
    // Reserves "<target>.<8 hex digits>.part" in the target's folder (created
    // empty); throws ExportError naming the target when the folder refuses it.
    explicit StagedFile(std::filesystem::path target);
    // Removes the temporary file unless Commit succeeded.
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Where the writer writes until Commit.
    const std::filesystem::path& Path() const { return temporary_; }
    const std::filesystem::path& Target() const { return target_; }

    // Renames the finished file over the target; throws ExportError.
    void Commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
};

}  // namespace glimmora::exporting
