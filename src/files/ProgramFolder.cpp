#include "files/ProgramFolder.h"

#include <system_error>

namespace glimmora::files {

std::filesystem::path ProgramFolder()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : self.parent_path();
}

}  // namespace glimmora::files
