#include "effects/sound/conversion/ByteSource.h"

#include "effects/sound/conversion/SoundError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace glimmora {

std::size_t MemoryByteSource::ReadAt(std::uint64_t offset, std::uint8_t* out, std::size_t count)
{
    if (offset >= bytes_.size()) return 0;
    const std::size_t n = std::size_t(std::min<std::uint64_t>(count, bytes_.size() - offset));
    if (n) std::memcpy(out, bytes_.data() + offset, n);
    return n;
}

FileByteSource::FileByteSource(const std::filesystem::path& file)
{
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec))
        throw SoundError("Cannot open the sound file \"" + file.string() + "\": it is a folder");
    if (!std::filesystem::exists(file, ec))
        throw SoundError("Cannot open the sound file \"" + file.string() + "\": no such file");
    stream_.open(file, std::ios::binary);
    if (!stream_)
        throw SoundError("Cannot open the sound file \"" + file.string() + "\": " + std::strerror(errno));
    stream_.seekg(0, std::ios::end);
    const std::streamoff end = stream_.tellg();
    if (end < 0)
        throw SoundError("Cannot read the sound file \"" + file.string() + "\"");
    size_ = std::uint64_t(end);
}

std::size_t FileByteSource::ReadAt(std::uint64_t offset, std::uint8_t* out, std::size_t count)
{
    if (offset >= size_) return 0;
    const std::size_t n = std::size_t(std::min<std::uint64_t>(count, size_ - offset));
    stream_.clear();
    stream_.seekg(std::streamoff(offset));
    stream_.read(reinterpret_cast<char*>(out), std::streamsize(n));
    return std::size_t(stream_.gcount());
}

}  // namespace glimmora
