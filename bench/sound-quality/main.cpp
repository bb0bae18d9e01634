// glimmora-sound-quality: how faithfully each converter turns 44.1 kHz
// stereo into 22050 Hz mono. A sweep and steady tones go through our
// conversion, through the one before it (libsamplerate's fastest sinc) and,
// where installed, through `sox in.wav -c 1 -r 22050 out.wav`; the outputs
// are measured for pass-band ripple up to 10 kHz, for what folds back from
// above 11.025 kHz, and for the worst stop-band tone.
//
// Twice: 16-bit in and out (what a chosen sound becomes: the figures then
// include the 16-bit floor, and sox's dither), and 32-bit in and out, where
// the filters alone show.
//
// Usage: glimmora-sound-quality [FOLDER]  (FOLDER keeps the files; default:
// a temporary folder, removed afterwards)

#include "sound-quality/Converters.h"
#include "sound-quality/Measures.h"
#include "sound-quality/TestSignals.h"

#include "effects/sound/conversion/SoundReader.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

namespace glimmora::quality {
namespace {

constexpr double kToneAmplitude = 0.9;
constexpr double kTopOfBand = 10000.0;
const double kStopTones[] = {11075, 11500, 12000, 13000, 14500, 16000, 18000, 20000, 21500};

std::vector<float> ReadFirstChannel(const std::filesystem::path& file)
{
    SoundReader reader = SoundReader::OpenFile(file);
    std::vector<float> frames(std::size_t(reader.Frames()) * std::size_t(reader.Channels()));
    const std::int64_t got = reader.Read(frames.data(), reader.Frames());
    std::vector<float> first(static_cast<std::size_t>(got));
    for (std::size_t n = 0; n < first.size(); ++n) first[n] = frames[n * std::size_t(reader.Channels())];
    return first;
}

void MeasureAtDepth(const std::filesystem::path& folder, int bits, const std::vector<Converter>& converters)
{
    const Sweep sweep;
    const std::string depth = std::to_string(bits);
    const std::filesystem::path sweepFile = folder / ("sweep-" + depth + ".wav");
    WriteSweep(sweepFile, sweep, bits);
    const std::vector<float> sweepIn = ReadFirstChannel(sweepFile);
    const std::filesystem::path topTone = folder / ("tone-10000-" + depth + ".wav");
    WriteTone(topTone, kTopOfBand, kToneAmplitude, 3.0, bits);
    for (double hz : kStopTones)
        WriteTone(folder / ("tone-" + std::to_string(int(hz)) + "-" + depth + ".wav"), hz, kToneAmplitude, 3.0, bits);

    std::printf("\n%d-bit in, %d-bit out\n", bits, bits);
    std::printf("%-32s %12s %12s %14s %14s %18s\n", "converter", "ripple dB", "10 kHz dB", "alias dB", "worst 0.19 s",
                "worst stop tone");
    std::printf("%-32s %12s %12s %14s %14s %18s\n", "", "(0.1-10 kHz)", "(tone)", "(11.1-22 kHz)", "dB", "dB (at Hz)");
    for (const Converter& converter : converters) {
        auto convert = [&](const std::filesystem::path& in) {
            const std::filesystem::path out = folder / (in.stem().string() + " " + converter.name + ".wav");
            if (!converter.convert(in, out, bits)) throw std::runtime_error(converter.name + " failed on " + in.string());
            return ReadFirstChannel(out);
        };
        const std::vector<float> sweepOut = convert(sweepFile);
        const PassBand pass = MeasurePassBand(sweepIn, sweepOut, kTopOfBand);
        const Aliasing alias = MeasureAliasing(sweepOut, sweep);
        const double top = KeptToneDb(convert(topTone), kTopOfBand, kToneAmplitude);
        double worst = -1e9, worstHz = 0.0;
        for (double hz : kStopTones) {
            const double db =
                FoldedToneDb(convert(folder / ("tone-" + std::to_string(int(hz)) + "-" + depth + ".wav")), hz,
                             kToneAmplitude);
            if (db > worst) worst = db, worstHz = hz;
        }
        std::printf("%-32s %12.5f %12.5f %14.1f %14.1f %11.1f (%5.0f)\n", converter.name.c_str(), pass.rippleDb, top,
                    alias.energyDb, alias.worstFrameDb, worst, worstHz);
    }
}

}  // namespace
}  // namespace glimmora::quality

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    using namespace glimmora::quality;
    const bool keep = argc > 1;
    const fs::path folder = keep ? fs::path(argv[1]) : fs::temp_directory_path() / "glimmora-sound-quality";
    try {
        fs::create_directories(folder);
        const std::vector<Converter> converters = AvailableConverters();
        std::printf("Sweep %g-%g Hz over %g s at %g of full scale; tones at %g of full scale.\n", Sweep{}.fromHz,
                    Sweep{}.toHz, Sweep{}.seconds, Sweep{}.amplitude, kToneAmplitude);
        for (int bits : {16, 32}) MeasureAtDepth(folder, bits, converters);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "glimmora-sound-quality: %s\n", e.what());
        return 1;
    }
    if (!keep) fs::remove_all(folder);
    return 0;
}
