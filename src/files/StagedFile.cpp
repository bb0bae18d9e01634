#include "files/StagedFile.h"

#include "files/Leftovers.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace glimmora::files {

StagedFile::StagedFile(std::filesystem::path target, bool executable) : target_(std::move(target))
{
    RemoveLeftoversOf(target_);
    // The kernel takes the umask off the mode, as for any new file.
    const mode_t mode = executable ? 0777 : 0666;
    int error = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path name = TemporaryNameFor(target_);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            ::close(fd);
            temporary_ = std::move(name);
            return;
        }
        error = errno;
        if (error != EEXIST) break;
    }
    throw std::system_error(error, std::generic_category(), "Cannot write \"" + target_.string() + "\"");
}

StagedFile::~StagedFile()
{
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

void StagedFile::Commit()
{
    if (::rename(temporary_.c_str(), target_.c_str()) != 0)
        throw std::system_error(errno, std::generic_category(), "Cannot replace \"" + target_.string() + "\"");
    temporary_.clear();
}

}  // namespace glimmora::files
