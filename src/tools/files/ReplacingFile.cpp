#include "tools/files/ReplacingFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace glimmora::tools {

namespace {

constexpr size_t kChunk = 64 * 1024;

std::system_error FileError(int code, const std::string& what, const std::filesystem::path& file)
{
    return std::system_error(code, std::generic_category(), what + " \"" + file.string() + "\"");
}

// "<target name>.<8 hex digits>.part" in the target's folder.
std::filesystem::path TemporaryName(const std::filesystem::path& target, std::mt19937& random)
{
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x.part", unsigned(random()));
    std::filesystem::path name = target;
    name += suffix;
    return name;
}

}  // namespace

ReplacingFile::ReplacingFile(std::filesystem::path target, bool executable, std::error_code& error)
    : target_(std::move(target))
{
    error.clear();
    std::mt19937 random{std::random_device{}()};
    // The kernel takes the umask off the mode, as for any new file.
    const mode_t mode = executable ? 0777 : 0666;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary_ = TemporaryName(target_, random);
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd_ >= 0) return;
        if (errno != EEXIST) break;
    }
    error = std::error_code(errno, std::generic_category());
    temporary_.clear();
}

ReplacingFile::~ReplacingFile() { Discard(); }

void ReplacingFile::Discard()
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

void ReplacingFile::Write(std::span<const uint8_t> bytes)
{
    if (fd_ < 0) throw FileError(EBADF, "Cannot write", target_);
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) continue;
            throw FileError(errno, "Cannot write", target_);
        }
        done += size_t(written);
    }
}

void ReplacingFile::CopyFrom(std::istream& in, uint64_t count, const std::filesystem::path& from)
{
    std::vector<uint8_t> buffer(size_t(std::min<uint64_t>(count, kChunk)));
    while (count > 0) {
        const size_t take = size_t(std::min<uint64_t>(count, buffer.size()));
        in.read(reinterpret_cast<char*>(buffer.data()), std::streamsize(take));
        if (size_t(in.gcount()) != take) throw FileError(EIO, "Cannot read", from);
        Write(std::span<const uint8_t>(buffer.data(), take));
        count -= take;
    }
}

void ReplacingFile::Commit()
{
    if (fd_ < 0) throw FileError(EBADF, "Cannot write", target_);
    if (::fsync(fd_) != 0) throw FileError(errno, "Cannot write", target_);
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0) throw FileError(errno, "Cannot write", target_);
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) throw FileError(errno, "Cannot replace", target_);
    temporary_.clear();
}

}  // namespace glimmora::tools
