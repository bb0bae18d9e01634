#pragma once
// A file written through a StagedFile by its descriptor: appended bytes, or
// bytes copied from a stream, flushed to disk and renamed over the target.

#include "files/StagedFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <span>
#include <string_view>
#include <system_error>

namespace glimmora::files {

class ReplacingFile {
public:
    // Creates the temporary file in the target's folder. `executable` gives
    // it the execute bits that the process's umask allows. On failure the
    // file is not open and `error` says why.
    ReplacingFile(std::filesystem::path target, bool executable, std::error_code& error);
    // Removes the temporary file unless Commit succeeded.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    const std::filesystem::path& Target() const { return target_; }
    const std::filesystem::path& TemporaryPath() const { return staged_->Path(); }

    // Appends; throws std::system_error naming the target.
    void Write(std::span<const uint8_t> bytes);
    // Appends exactly `count` bytes read from `in`, whose file is `from`;
    // throws std::system_error naming the file that failed.
    void CopyFrom(std::istream& in, uint64_t count, const std::filesystem::path& from);

    // Flushes the file to disk and renames it over the target; throws
    // std::system_error naming the target.
    void Commit();

private:
    std::filesystem::path target_;
    std::optional<StagedFile> staged_;
    int fd_ = -1;
};

// Replaces `target` with `bytes` through a ReplacingFile, keeping the access
// rights of the file it replaces. Throws std::system_error naming the target
// (EISDIR for a folder).
void ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes);

}  // namespace glimmora::files
