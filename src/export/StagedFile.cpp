#include "export/StagedFile.h"

#include "export/ExportError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <string>
#include <unistd.h>

namespace glimmora::exporting {

StagedFile::StagedFile(std::filesystem::path target) : target_(std::move(target))
{
    std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x.part", unsigned(random()));
        std::filesystem::path name = target_;
        name += suffix;
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            temporary_ = std::move(name);
            return;
        }
        if (errno != EEXIST) break;
    }
    throw ExportError("Cannot write \"" + target_.string() + "\": " + std::strerror(errno));
}

StagedFile::~StagedFile()
{
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

void StagedFile::Commit()
{
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error) throw ExportError("Cannot write \"" + target_.string() + "\": " + error.message());
    temporary_.clear();
}

}  // namespace glimmora::exporting
