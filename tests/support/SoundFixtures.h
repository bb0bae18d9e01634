#pragma once
// Sound files made by the tests: sines of any PCM layout written through
// libsndfile, hand-built RIFF bytes, and independent readers of the results.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace glimmora::test {

struct SineSpec {
    int rate = 44100;
    int channels = 2;
    int bits = 16;       // 8 (unsigned), 16, 24 or 32
    double seconds = 1.0;
    double hz = 1000.0;
    double amplitude = 0.5;
    bool invertOddChannels = false;  // odd channels carry the negated sine
};

// A PCM WAV file with the sine on every channel.
void WriteSineWave(const std::filesystem::path& file, const SineSpec& fixture);
// A compressed WAV (IMA ADPCM, format tag 0x11) holding a short sine.
void WriteAdpcmWave(const std::filesystem::path& file);

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

// RIFF WAVE bytes built chunk by chunk, sizes as given (they may lie).
class RiffBytes {
public:
    RiffBytes& Chunk(const std::string& id, const std::vector<std::uint8_t>& body);
    RiffBytes& ChunkClaiming(const std::string& id, std::uint32_t declared, const std::vector<std::uint8_t>& body);
    std::vector<std::uint8_t> Bytes() const;

private:
    std::vector<std::uint8_t> chunks_;
};

// A 16-byte PCM-style format chunk body (or longer, with `extra` appended).
std::vector<std::uint8_t> FormatBody(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                                     std::uint16_t bits, const std::vector<std::uint8_t>& extra = {});

// The format fields and data size of a written WAV, read by walking its chunks.
struct WrittenWave {
    std::uint16_t tag = 0, channels = 0, blockAlign = 0, bits = 0;
    std::uint32_t rate = 0, bytesPerSecond = 0;
    std::uint32_t dataSize = 0;
    std::uint32_t riffSize = 0;
    std::uint64_t fileSize = 0;
};
WrittenWave InspectWritten(const std::filesystem::path& file);

// All samples of the first channel as floats, through libsndfile.
std::vector<float> ReadMonoSamples(const std::filesystem::path& file);
int CountZeroCrossings(const std::vector<float>& samples);
float Peak(const std::vector<float>& samples);

// Makes an MP3 with the `lame` program; false when it is not installed.
bool MakeMp3WithLame(const std::filesystem::path& wav, const std::filesystem::path& mp3);

}  // namespace glimmora::test
