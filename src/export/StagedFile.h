#pragma once
// An output file written under a temporary name beside its target and
// renamed over the target only when complete: a cancelled or failed export
// leaves neither a partial file nor a damaged earlier one (nor, once a later
// export of the same target runs, what a killed one left).

#include "files/StagedFile.h"

#include <filesystem>
#include <optional>

namespace glimmora::exporting {

class StagedFile {
public:
    // Reserves a temporary name in the target's folder (created empty);
    // throws ExportError naming the target when the folder refuses it.
    explicit StagedFile(std::filesystem::path target);

    // Where the writer writes until Commit.
    const std::filesystem::path& Path() const { return staged_->Path(); }
    const std::filesystem::path& Target() const { return staged_->Target(); }

    // Renames the finished file over the target; throws ExportError.
    void Commit();

private:
    std::optional<files::StagedFile> staged_;
};

}  // namespace glimmora::exporting
