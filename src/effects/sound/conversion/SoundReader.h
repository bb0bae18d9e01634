#pragma once
// Reads the samples of any sound file that libsndfile knows (PCM WAV of every
// layout, MP3 through mpg123, ...) as interleaved floats in -1..1.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

namespace glimmora {

class SoundReader {
public:
    // Throws SoundError naming the file when it cannot be opened as sound.
    static SoundReader OpenFile(const std::filesystem::path& file);
    // The bytes must outlive the reader. `name` only labels error messages.
    static SoundReader OpenMemory(std::span<const std::uint8_t> bytes, const std::string& name);

    SoundReader(SoundReader&&) noexcept;
    SoundReader& operator=(SoundReader&&) noexcept;
    ~SoundReader();

    int Channels() const { return channels_; }
    int SampleRate() const { return rate_; }
    // Frames as the library counts them (may be an estimate for MP3).
    std::int64_t Frames() const { return frames_; }

    // Reads up to `frames` frames into `out` (room for frames * Channels());
    // returns the frames read, 0 at the end. Throws SoundError on a read error.
    std::int64_t Read(float* out, std::int64_t frames);

private:
    struct Handle;
    SoundReader(std::unique_ptr<Handle> handle, const std::string& name);

    std::unique_ptr<Handle> handle_;
    std::string name_;
    int channels_ = 0;
    int rate_ = 0;
    std::int64_t frames_ = 0;
};

}  // namespace glimmora
