#include "files/ReplacingFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace glimmora::files {

namespace {

constexpr size_t kChunk = 64 * 1024;

std::system_error FileError(int code, const std::string& what, const std::filesystem::path& file)
{
    return std::system_error(code, std::generic_category(), what + " \"" + file.string() + "\"");
}

}  // namespace

ReplacingFile::ReplacingFile(std::filesystem::path target, bool executable, std::error_code& error)
    : target_(std::move(target))
{
    error.clear();
    try {
        staged_.emplace(target_, executable);
    } catch (const std::system_error& e) {
        error = e.code();
        return;
    }
    fd_ = ::open(staged_->Path().c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd_ < 0) {
        error = std::error_code(errno, std::generic_category());
        staged_.reset();
    }
}

ReplacingFile::~ReplacingFile()
{
    if (fd_ >= 0) ::close(fd_);
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
    staged_->Commit();
}

void ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes)
{
    std::error_code error;
    if (std::filesystem::is_directory(target, error)) throw FileError(EISDIR, "Cannot write", target);
    ReplacingFile file(target, false, error);
    if (!file.IsOpen()) throw std::system_error(error, "Cannot write \"" + target.string() + "\"");
    file.Write(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    // Keep the access rights of the file being replaced.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) ::chmod(file.TemporaryPath().c_str(), old.st_mode & 07777);
    file.Commit();
}

}  // namespace glimmora::files
