#include "export/StagedFile.h"

#include "export/ExportError.h"

#include <string>
#include <system_error>

namespace glimmora::exporting {

StagedFile::StagedFile(std::filesystem::path target)
{
    try {
        staged_.emplace(target);
    } catch (const std::system_error& error) {
        throw ExportError("Cannot write \"" + target.string() + "\": " + error.code().message());
    }
}

void StagedFile::Commit()
{
    try {
        staged_->Commit();
    } catch (const std::system_error& error) {
        throw ExportError("Cannot write \"" + Target().string() + "\": " + error.code().message());
    }
}

}  // namespace glimmora::exporting
