#include "tools/files/SourceFile.h"

#include <cerrno>
#include <stdexcept>
#include <string>
#include <system_error>

namespace glimmora::tools {

SourceFile::SourceFile(const std::filesystem::path& file) : path(file)
{
    if (!Open()) {
        const int code = errno ? errno : EIO;
        throw std::system_error(code, std::generic_category(), "Cannot open \"" + path.string() + "\"");
    }
}

SourceFile::SourceFile(const std::filesystem::path& file, bool& opened) : path(file) { opened = Open(); }

bool SourceFile::Open()
{
    errno = 0;
    std::error_code error;
    // A folder opens as a stream on Linux, but it is no file to read.
    if (std::filesystem::is_directory(path, error)) {
        errno = EISDIR;
        return false;
    }
    stream.open(path, std::ios::binary);
    if (!stream) return false;
    stream.seekg(0, std::ios::end);
    const std::streamoff end = stream.tellg();
    stream.seekg(0, std::ios::beg);
    if (end < 0 || !stream) {
        errno = EIO;
        return false;
    }
    size = uint64_t(end);
    return true;
}

std::filesystem::path TargetOrDefault(const std::filesystem::path& source, const std::filesystem::path& target,
                                      const char* extension)
{
    if (source.empty()) throw std::invalid_argument("No source file is given.");
    if (!target.empty()) return target;
    return std::filesystem::path(source).replace_extension(extension);
}

void RefuseToOverwrite(const std::filesystem::path& target, const std::filesystem::path& other, const char* what)
{
    std::error_code error;
    if (std::filesystem::equivalent(target, other, error)) {
        throw std::invalid_argument("The target file \"" + target.string() + "\" is the " + what +
                                    " file itself; choose another name.");
    }
}

}  // namespace glimmora::tools
