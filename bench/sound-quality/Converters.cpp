#include "sound-quality/Converters.h"

#include "effects/sound/conversion/ChannelMix.h"
#include "effects/sound/conversion/PcmEncoding.h"
#include "effects/sound/conversion/SoundReader.h"
#include "effects/sound/conversion/WaveFile.h"
#include "effects/sound/conversion/WaveWriter.h"

#include <samplerate.h>

#include <cstdlib>

namespace glimmora::quality {

namespace {

constexpr int kRate = 22050;

std::string Quoted(const std::filesystem::path& file) { return "'" + file.string() + "'"; }

}  // namespace

bool ConvertWithGlimmora(const std::filesystem::path& in, const std::filesystem::path& out, int bits)
{
    WaveFile wave;
    wave.SetFileName(in);
    return wave.ConvertToFile(out, BuildPcmFormat(bits, 1, kRate)) == ConversionOutcome::Completed;
}

bool ConvertWithSox(const std::filesystem::path& in, const std::filesystem::path& out, int bits)
{
    const std::string command = "sox " + Quoted(in) + " -c 1 -r " + std::to_string(kRate) +
                                (bits == 16 ? "" : " -b " + std::to_string(bits)) + " " + Quoted(out);
    return std::system(command.c_str()) == 0;
}

bool ConvertWithSincFastest(const std::filesystem::path& in, const std::filesystem::path& out, int bits)
{
    SoundReader reader = SoundReader::OpenFile(in);
    std::vector<float> frames(std::size_t(reader.Frames()) * std::size_t(reader.Channels()));
    const std::int64_t got = reader.Read(frames.data(), reader.Frames());
    std::vector<float> mono;
    MixChannels(frames.data(), got, reader.Channels(), 1, mono);
    SRC_DATA data{};
    std::vector<float> converted(mono.size() / 2 + 64);
    data.data_in = mono.data();
    data.input_frames = long(mono.size());
    data.data_out = converted.data();
    data.output_frames = long(converted.size());
    data.src_ratio = double(kRate) / reader.SampleRate();
    if (src_simple(&data, SRC_SINC_FASTEST, 1) != 0) return false;
    std::vector<std::uint8_t> bytes;
    EncodePcm(converted.data(), std::size_t(data.output_frames_gen), bits, bytes);
    WaveWriter writer(out, BuildPcmFormat(bits, 1, kRate));
    writer.Write(bytes);
    writer.Finish();
    return true;
}

std::vector<Converter> AvailableConverters()
{
    std::vector<Converter> converters = {{"glimmora", ConvertWithGlimmora},
                                         {"libsamplerate fastest (before)", ConvertWithSincFastest}};
    if (std::system("command -v sox >/dev/null 2>&1") == 0) converters.push_back({"sox", ConvertWithSox});
    return converters;
}

}  // namespace glimmora::quality
