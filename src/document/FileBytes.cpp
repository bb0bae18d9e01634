#include "document/FileBytes.h"

#include "document/ConversionError.h"

#include "files/ReplacingFile.h"

#include <cstdio>
#include <memory>
#include <system_error>

namespace glimmora {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

[[noreturn]] void ThrowCannotWrite(const std::filesystem::path& target, const std::string& reason)
{
    throw DocumentError("Cannot write " + target.string() + ": " + reason);
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
    try {
        files::ReplaceFileContents(target, bytes);
    } catch (const std::system_error& error) {
        ThrowCannotWrite(target, error.code().message());
    }
}

}  // namespace glimmora
