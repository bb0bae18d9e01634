#include "effects/sound/conversion/WaveHeader.h"

#include "effects/sound/conversion/SoundError.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace glimmora {

namespace {

std::uint16_t U16(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }
std::uint32_t U32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}
bool Is(const std::uint8_t* p, const char* id) { return std::memcmp(p, id, 4) == 0; }

// The sub-format GUIDs of WAVE_FORMAT_EXTENSIBLE are a 16-bit format tag
// followed by these fixed bytes.
constexpr std::array<std::uint8_t, 14> kGuidTail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                    0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

WaveFormatRecord ParseFormat(const std::uint8_t* p, std::size_t size)
{
    WaveFormatRecord format;
    format.formatTag = U16(p);
    format.channels = U16(p + 2);
    format.samplesPerSec = U32(p + 4);
    format.avgBytesPerSec = U32(p + 8);
    format.blockAlign = U16(p + 12);
    format.bitsPerSample = U16(p + 14);
    format.extraSize = size >= 18 ? U16(p + 16) : 0;
    if (format.formatTag == kWaveFormatExtensible && size >= 40 && format.extraSize >= 22 &&
        std::equal(kGuidTail.begin(), kGuidTail.end(), p + 26))
        format.formatTag = U16(p + 24);
    return format;
}

void CheckPcm(const WaveFormatRecord& f, const std::string& name)
{
    if (f.formatTag != kWaveFormatPcm) return;
    if (f.channels == 0)
        throw SoundError(name + " declares no channels");
    if (f.samplesPerSec == 0)
        throw SoundError(name + " declares a sample rate of 0");
    if (f.bitsPerSample == 0 || f.bitsPerSample > 32)
        throw SoundError(name + " declares " + std::to_string(f.bitsPerSample) + " bits per sample");
    if (f.blockAlign < f.channels * ((f.bitsPerSample + 7) / 8))
        throw SoundError(name + " declares a block align of " + std::to_string(f.blockAlign) +
                         ", too small for its channels and bits");
}

}  // namespace

WaveHeader ReadWaveHeader(ByteSource& bytes, const std::string& fileName)
{
    const std::string name = "The sound file \"" + fileName + "\"";
    const std::uint64_t size = bytes.Size();
    std::uint8_t head[12];
    if (bytes.ReadAt(0, head, 12) < 12 || !Is(head, "RIFF") || !Is(head + 8, "WAVE"))
        throw SoundError(name + " is not a RIFF WAVE file");

    std::optional<WaveFormatRecord> format;
    std::optional<WaveHeader> data;
    std::uint64_t at = 12;
    while (at + 8 <= size && !(format && data)) {
        std::uint8_t chunk[8];
        if (bytes.ReadAt(at, chunk, 8) < 8) break;
        const std::uint64_t declared = U32(chunk + 4);
        const std::uint64_t body = at + 8;
        const std::uint64_t available = std::min(declared, size - body);
        if (Is(chunk, "fmt ") && !format) {
            if (available < 16)
                throw SoundError(name + " has a damaged format chunk");
            std::uint8_t record[40] = {};
            const std::size_t want = std::size_t(std::min<std::uint64_t>(available, sizeof record));
            if (bytes.ReadAt(body, record, want) < want)
                throw SoundError(name + " cannot be read");
            format = ParseFormat(record, want);
        } else if (Is(chunk, "data") && !data) {
            data = WaveHeader{};
            data->dataOffset = body;
            data->dataSize = available;
            data->dataTruncated = declared > available;
        }
        if (declared > size - body) break;  // a lying size: nothing after it can be trusted
        at = body + declared + (declared & 1);
    }
    if (!format)
        throw SoundError(name + " has no format chunk");
    CheckPcm(*format, name);
    if (!data)
        throw SoundError(name + " has no sound data");
    data->format = *format;
    return *data;
}

}  // namespace glimmora
