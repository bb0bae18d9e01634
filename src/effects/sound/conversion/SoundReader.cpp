#include "effects/sound/conversion/SoundReader.h"

#include "effects/sound/conversion/SoundError.h"

#include <sndfile.h>

#include <algorithm>
#include <filesystem>
#include <cstdio>
#include <cstring>

namespace glimmora {

namespace {

// sf_open_virtual over a read-only memory block.
struct MemoryFile {
    std::span<const std::uint8_t> bytes;
    sf_count_t position = 0;
};

sf_count_t MemLength(void* user) { return sf_count_t(static_cast<MemoryFile*>(user)->bytes.size()); }

sf_count_t MemSeek(sf_count_t offset, int whence, void* user)
{
    auto* m = static_cast<MemoryFile*>(user);
    const sf_count_t size = sf_count_t(m->bytes.size());
    const sf_count_t base = whence == SEEK_CUR ? m->position : whence == SEEK_END ? size : 0;
    if (offset > size || offset < -size) return -1;  // also keeps base + offset from overflowing
    const sf_count_t target = base + offset;
    if (target < 0) return -1;
    m->position = std::min(target, size);
    return m->position;
}

sf_count_t MemRead(void* out, sf_count_t count, void* user)
{
    auto* m = static_cast<MemoryFile*>(user);
    const sf_count_t size = sf_count_t(m->bytes.size());
    if (count <= 0 || m->position >= size) return 0;
    const sf_count_t n = std::min(count, size - m->position);
    std::memcpy(out, m->bytes.data() + m->position, std::size_t(n));
    m->position += n;
    return n;
}

sf_count_t MemWrite(const void*, sf_count_t, void*) { return 0; }
sf_count_t MemTell(void* user) { return static_cast<MemoryFile*>(user)->position; }

}  // namespace

struct SoundReader::Handle {
    SNDFILE* file = nullptr;
    SF_INFO info{};
    std::unique_ptr<MemoryFile> memory;  // the virtual file's state, when read from memory
    ~Handle()
    {
        if (file) sf_close(file);
    }
};

SoundReader::SoundReader(std::unique_ptr<Handle> handle, const std::string& name)
    : handle_(std::move(handle)), name_(name)
{
    channels_ = handle_->info.channels;
    rate_ = handle_->info.samplerate;
    frames_ = handle_->info.frames;
    if (channels_ <= 0 || rate_ <= 0 || frames_ < 0)
        throw SoundError("The sound file \"" + name_ + "\" declares no channels or no sample rate");
}

SoundReader::SoundReader(SoundReader&&) noexcept = default;
SoundReader& SoundReader::operator=(SoundReader&&) noexcept = default;
SoundReader::~SoundReader() = default;

SoundReader SoundReader::OpenFile(const std::filesystem::path& file)
{
    auto handle = std::make_unique<Handle>();
    handle->file = sf_open(file.c_str(), SFM_READ, &handle->info);
    if (!handle->file) {
        // The library's own words blame a missing file for any it cannot decode.
        std::error_code ec;
        const std::filesystem::file_status status = std::filesystem::status(file, ec);
        const std::string reason = std::filesystem::is_directory(status)      ? "it is a folder"
                                   : !std::filesystem::is_regular_file(status) ? "no such file"
                                                                               : "it is not a sound that can be decoded";
        throw SoundError("Cannot read the sound file \"" + file.string() + "\": " + reason);
    }
    return SoundReader(std::move(handle), file.string());
}

SoundReader SoundReader::OpenMemory(std::span<const std::uint8_t> bytes, const std::string& name)
{
    static SF_VIRTUAL_IO io = {MemLength, MemSeek, MemRead, MemWrite, MemTell};
    auto handle = std::make_unique<Handle>();
    handle->memory = std::make_unique<MemoryFile>();
    handle->memory->bytes = bytes;
    handle->file = sf_open_virtual(&io, SFM_READ, &handle->info, handle->memory.get());
    if (!handle->file)
        throw SoundError("Cannot read the sound file \"" + name + "\": " + sf_strerror(nullptr));
    return SoundReader(std::move(handle), name);
}

std::int64_t SoundReader::Read(float* out, std::int64_t frames)
{
    if (frames <= 0) return 0;
    const sf_count_t got = sf_readf_float(handle_->file, out, frames);
    if (got < 0 || (got == 0 && sf_error(handle_->file) != SF_ERR_NO_ERROR))
        throw SoundError("Cannot read the sound file \"" + name_ + "\": " + sf_strerror(handle_->file));
    return got;
}

}  // namespace glimmora
