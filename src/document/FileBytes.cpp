#include "document/FileBytes.h"

#include "document/ConversionError.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace glimmora {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// A name beside the target that no other save uses at the same time.
std::filesystem::path TemporaryNameBeside(const std::filesystem::path& target)
{
    static std::atomic<unsigned> counter{0};
    std::string name = "." + target.filename().string() + ".saving";
#if defined(__unix__) || defined(__APPLE__)
    name += "-" + std::to_string(::getpid());
#endif
    name += "-" + std::to_string(counter++);
    return target.parent_path() / name;
}

[[noreturn]] void ThrowCannotWrite(const std::filesystem::path& target, const std::string& reason)
{
    throw DocumentError("Cannot write " + target.string() + ": " + reason);
}

// Writes and flushes `bytes` into the new file `temp`; the reason on failure.
std::optional<std::string> WriteNewFile(const std::filesystem::path& temp, std::string_view bytes)
{
    errno = 0;
    std::FILE* raw = std::fopen(temp.c_str(), "wbx");
    if (!raw)
        return std::string(std::strerror(errno ? errno : EIO));
    std::unique_ptr<std::FILE, FileCloser> file(raw);
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), raw) != bytes.size())
        return std::string(std::strerror(errno ? errno : EIO));
    if (std::fflush(raw) != 0)
        return std::string(std::strerror(errno ? errno : EIO));
#if defined(__unix__) || defined(__APPLE__)
    if (::fsync(::fileno(raw)) != 0)
        return std::string(std::strerror(errno));
#endif
    if (std::fclose(file.release()) != 0)
        return std::string(std::strerror(errno ? errno : EIO));
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file)
{
    std::FILE* raw = std::fopen(file.c_str(), "rb");
    if (!raw)
        return std::nullopt;
    std::unique_ptr<std::FILE, FileCloser> closer(raw);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, raw);
        bytes.append(buffer, got);
        if (got < sizeof buffer)
            break;
    }
    if (std::ferror(raw))
        return std::nullopt;
    return bytes;
}

void WriteFileReplacing(const std::filesystem::path& target, std::string_view bytes)
{
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec))
        ThrowCannotWrite(target, "it is a folder");

    const std::filesystem::path temp = TemporaryNameBeside(target);
    if (auto reason = WriteNewFile(temp, bytes)) {
        std::filesystem::remove(temp, ec);
        ThrowCannotWrite(target, *reason);
    }
    // Keep the access rights of the file being replaced.
    const auto status = std::filesystem::status(target, ec);
    if (!ec && std::filesystem::exists(status))
        std::filesystem::permissions(temp, status.permissions(), ec);

    std::filesystem::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        ThrowCannotWrite(target, ec.message());
    }
}

}  // namespace glimmora
