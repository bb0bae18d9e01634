#pragma once
// A new file written beside its target under a temporary name and renamed
// over the target once complete: a failure never leaves a half-written target
// nor destroys an existing one.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <span>
#include <system_error>

namespace glimmora::tools {

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

    // Appends; throws std::system_error naming the target.
    void Write(std::span<const uint8_t> bytes);
    // Appends exactly `count` bytes read from `in`, whose file is `from`;
    // throws std::system_error naming the file that failed.
    void CopyFrom(std::istream& in, uint64_t count, const std::filesystem::path& from);

    // Flushes the file to disk and renames it over the target; throws
    // std::system_error naming the target.
    void Commit();

private:
    void Discard();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
};

}  // namespace glimmora::tools
