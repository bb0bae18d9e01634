#pragma once
// Random access to the bytes of a file or of a memory block, for header
// parsing that must never read past the end.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>

namespace glimmora {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Copies up to `count` bytes from `offset`; returns how many were there.
    virtual std::size_t ReadAt(std::uint64_t offset, std::uint8_t* out, std::size_t count) = 0;
};

class MemoryByteSource : public ByteSource {
public:
    explicit MemoryByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint64_t Size() const override { return bytes_.size(); }
    std::size_t ReadAt(std::uint64_t offset, std::uint8_t* out, std::size_t count) override;

private:
    std::span<const std::uint8_t> bytes_;
};

class FileByteSource : public ByteSource {
public:
    // Throws SoundError naming the file when it cannot be opened.
    explicit FileByteSource(const std::filesystem::path& file);
    std::uint64_t Size() const override { return size_; }
    std::size_t ReadAt(std::uint64_t offset, std::uint8_t* out, std::size_t count) override;

private:
    std::ifstream stream_;
    std::uint64_t size_ = 0;
};

}  // namespace glimmora
