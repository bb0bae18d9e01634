#include "support/SoundFixtures.h"

#include <sndfile.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <numbers>
#include <stdexcept>

namespace glimmora::test {

namespace {

void Put16(std::vector<std::uint8_t>& v, std::uint32_t x)
{
    v.push_back(std::uint8_t(x));
    v.push_back(std::uint8_t(x >> 8));
}

void Put32(std::vector<std::uint8_t>& v, std::uint32_t x)
{
    Put16(v, x);
    Put16(v, x >> 16);
}

std::uint32_t Get32(const std::uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t Get16(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }

int SubtypeFor(int bits)
{
    switch (bits) {
    case 8: return SF_FORMAT_PCM_U8;
    case 16: return SF_FORMAT_PCM_16;
    case 24: return SF_FORMAT_PCM_24;
    case 32: return SF_FORMAT_PCM_32;
    }
    throw std::invalid_argument("no PCM subtype for these bits");
}

void WriteFrames(const std::filesystem::path& file, SF_INFO info, const SineSpec& fixture)
{
    SNDFILE* out = sf_open(file.c_str(), SFM_WRITE, &info);
    if (!out) throw std::runtime_error("cannot write fixture " + file.string() + ": " + sf_strerror(nullptr));
    const auto frames = std::int64_t(std::llround(fixture.seconds * fixture.rate));
    std::vector<float> data(std::size_t(frames) * std::size_t(fixture.channels));
    for (std::int64_t f = 0; f < frames; ++f) {
        const double v = fixture.amplitude * std::sin(2 * std::numbers::pi * fixture.hz * double(f) / fixture.rate);
        for (int c = 0; c < fixture.channels; ++c)
            data[std::size_t(f * fixture.channels + c)] = float(fixture.invertOddChannels && (c & 1) ? -v : v);
    }
    sf_writef_float(out, data.data(), frames);
    sf_close(out);
}

}  // namespace

void WriteSineWave(const std::filesystem::path& file, const SineSpec& fixture)
{
    SF_INFO info{};
    info.samplerate = fixture.rate;
    info.channels = fixture.channels;
    info.format = SF_FORMAT_WAV | SubtypeFor(fixture.bits);
    WriteFrames(file, info, fixture);
}

void WriteAdpcmWave(const std::filesystem::path& file)
{
    SineSpec fixture;
    fixture.channels = 1;
    fixture.rate = 22050;
    SF_INFO info{};
    info.samplerate = fixture.rate;
    info.channels = fixture.channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM;
    WriteFrames(file, info, fixture);
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

RiffBytes& RiffBytes::Chunk(const std::string& id, const std::vector<std::uint8_t>& body)
{
    return ChunkClaiming(id, std::uint32_t(body.size()), body);
}

RiffBytes& RiffBytes::ChunkClaiming(const std::string& id, std::uint32_t declared,
                                    const std::vector<std::uint8_t>& body)
{
    chunks_.insert(chunks_.end(), id.begin(), id.end());
    Put32(chunks_, declared);
    chunks_.insert(chunks_.end(), body.begin(), body.end());
    if (body.size() & 1) chunks_.push_back(0);
    return *this;
}

std::vector<std::uint8_t> RiffBytes::Bytes() const
{
    std::vector<std::uint8_t> out = {'R', 'I', 'F', 'F'};
    Put32(out, std::uint32_t(chunks_.size() + 4));
    out.insert(out.end(), {'W', 'A', 'V', 'E'});
    out.insert(out.end(), chunks_.begin(), chunks_.end());
    return out;
}

std::vector<std::uint8_t> FormatBody(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                                     std::uint16_t bits, const std::vector<std::uint8_t>& extra)
{
    std::vector<std::uint8_t> body;
    const std::uint16_t align = std::uint16_t(channels * ((bits + 7) / 8));
    Put16(body, tag);
    Put16(body, channels);
    Put32(body, rate);
    Put32(body, align * rate);
    Put16(body, align);
    Put16(body, bits);
    body.insert(body.end(), extra.begin(), extra.end());
    return body;
}

WrittenWave InspectWritten(const std::filesystem::path& file)
{
    const std::vector<std::uint8_t> b = ReadBytes(file);
    WrittenWave w;
    w.fileSize = b.size();
    if (b.size() < 12) return w;
    w.riffSize = Get32(&b[4]);
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::uint32_t size = Get32(&b[at + 4]);
        if (std::equal(b.begin() + long(at), b.begin() + long(at) + 4, "fmt ") && at + 8 + 16 <= b.size()) {
            const std::uint8_t* p = &b[at + 8];
            w.tag = Get16(p);
            w.channels = Get16(p + 2);
            w.rate = Get32(p + 4);
            w.bytesPerSecond = Get32(p + 8);
            w.blockAlign = Get16(p + 12);
            w.bits = Get16(p + 14);
        } else if (std::equal(b.begin() + long(at), b.begin() + long(at) + 4, "data")) {
            w.dataSize = size;
        }
        at += 8 + std::size_t(size) + (size & 1);
    }
    return w;
}

std::vector<float> ReadMonoSamples(const std::filesystem::path& file)
{
    SF_INFO info{};
    SNDFILE* in = sf_open(file.c_str(), SFM_READ, &info);
    if (!in) {
        ADD_FAILURE() << "libsndfile cannot read " << file << ": " << sf_strerror(nullptr);
        return {};
    }
    std::vector<float> all(std::size_t(info.frames) * std::size_t(info.channels));
    const sf_count_t got = sf_readf_float(in, all.data(), info.frames);
    sf_close(in);
    std::vector<float> first;
    for (sf_count_t f = 0; f < got; ++f) first.push_back(all[std::size_t(f * info.channels)]);
    return first;
}

int CountZeroCrossings(const std::vector<float>& samples)
{
    int crossings = 0;
    for (std::size_t i = 1; i < samples.size(); ++i)
        if ((samples[i - 1] < 0) != (samples[i] < 0)) ++crossings;
    return crossings;
}

float Peak(const std::vector<float>& samples)
{
    float peak = 0;
    for (float s : samples) peak = std::max(peak, std::fabs(s));
    return peak;
}

bool MakeMp3WithLame(const std::filesystem::path& wav, const std::filesystem::path& mp3)
{
    if (std::system("command -v lame >/dev/null 2>&1") != 0) return false;
    const std::string command = "lame --quiet '" + wav.string() + "' '" + mp3.string() + "'";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("lame failed: " + command);
    return true;
}

}  // namespace glimmora::test
