#include "swf/encoder/AtomicFile.h"

#include "swf/SwfService.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace glimmora::swf {

void WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes)
{
    static std::atomic<unsigned> counter{0};
    const std::string temporary =
        path + ".writing-" + std::to_string(getpid()) + "-" + std::to_string(++counter);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        throw SwfError("Cannot write the movie \"" + path + "\": " + std::strerror(errno));
    }
    const size_t written = bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), file);
    const int writeError = written == bytes.size() ? 0 : (errno ? errno : EIO);
    const bool closed = std::fclose(file) == 0;
    const int closeError = closed ? 0 : errno;
    if (writeError != 0 || !closed) {
        std::remove(temporary.c_str());
        throw SwfError("Cannot write the movie \"" + path +
                       "\": " + std::strerror(writeError != 0 ? writeError : closeError));
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::remove(temporary.c_str());
        throw SwfError("Cannot write the movie \"" + path + "\": " + ec.message());
    }
}

}  // namespace glimmora::swf
