#include "effects/sound/conversion/WaveWriter.h"

#include "effects/sound/conversion/SoundError.h"

#include <algorithm>
#include <string>

namespace glimmora {

namespace {

constexpr std::uint64_t kHeaderBytes = 44;
// The RIFF size field counts everything after its own 8 bytes in 32 bits.
constexpr std::uint64_t kMaxDataBytes = 0xFFFFFFFFull - (kHeaderBytes - 8) - 1;

void Put16(std::uint8_t* p, std::uint32_t v)
{
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}

void Put32(std::uint8_t* p, std::uint32_t v)
{
    Put16(p, v);
    Put16(p + 2, v >> 16);
}

}  // namespace

WaveWriter::WaveWriter(const std::filesystem::path& file, const WaveFormatRecord& format) : file_(file)
{
    stream_.open(file, std::ios::binary | std::ios::trunc);
    if (!stream_) Fail("cannot be created");
    std::uint8_t header[kHeaderBytes] = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E',
                                         'f', 'm', 't', ' ', 16, 0, 0, 0};
    Put16(header + 20, format.formatTag);
    Put16(header + 22, format.channels);
    Put32(header + 24, format.samplesPerSec);
    Put32(header + 28, format.avgBytesPerSec);
    Put16(header + 32, format.blockAlign);
    Put16(header + 34, format.bitsPerSample);
    std::copy_n("data", 4, header + 36);
    Put32(header + 4, std::uint32_t(kHeaderBytes - 8));
    stream_.write(reinterpret_cast<const char*>(header), sizeof header);
    if (!stream_) Fail("cannot be written");
}

void WaveWriter::Write(std::span<const std::uint8_t> bytes)
{
    if (dataBytes_ + bytes.size() > kMaxDataBytes) Fail("would exceed the 4 GB limit of a WAV file");
    stream_.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!stream_) Fail("cannot be written");
    dataBytes_ += bytes.size();
}

void WaveWriter::Finish()
{
    if (dataBytes_ & 1) stream_.put('\0');
    std::uint8_t size[4];
    Put32(size, std::uint32_t(kHeaderBytes - 8 + dataBytes_ + (dataBytes_ & 1)));
    stream_.seekp(4);
    stream_.write(reinterpret_cast<const char*>(size), 4);
    Put32(size, std::uint32_t(dataBytes_));
    stream_.seekp(40);
    stream_.write(reinterpret_cast<const char*>(size), 4);
    stream_.close();
    if (!stream_) Fail("cannot be written");
}

void WaveWriter::Fail(const char* what)
{
    throw SoundError("The sound file \"" + file_.string() + "\" " + what);
}

}  // namespace glimmora
