// Conversion time of chosen sounds: a three-minute stereo 44.1 kHz 16-bit WAV
// and a three-minute MP3 made from it, each to mono 22050 Hz.

#include "effects/sound/conversion/ChosenSound.h"
#include "effects/sound/conversion/PcmEncoding.h"
#include "effects/sound/conversion/SoundDecoding.h"
#include "effects/sound/conversion/WaveFile.h"
#include "effects/sound/conversion/WaveWriter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace glimmora::bench {
namespace {

constexpr int kSeconds = 180;
constexpr int kRate = 44100;

// Two sines a fifth apart, one per channel, written a second at a time.
void WriteStereoWave(const std::filesystem::path& file)
{
    WaveWriter writer(file, BuildPcmFormat(16, 2, kRate));
    std::vector<float> second(2 * kRate);
    std::vector<std::uint8_t> bytes;
    for (int s = 0; s < kSeconds; ++s) {
        for (int i = 0; i < kRate; ++i) {
            const double t = double(s) + double(i) / kRate;
            second[2 * i] = float(0.4 * std::sin(2 * std::numbers::pi * 440.0 * t));
            second[2 * i + 1] = float(0.4 * std::sin(2 * std::numbers::pi * 660.0 * t));
        }
        bytes.clear();
        EncodePcm(second.data(), second.size(), 16, bytes);
        writer.Write(bytes);
    }
    writer.Finish();
}

struct SoundFiles {
    std::filesystem::path folder;
    std::filesystem::path wav;
    std::optional<std::filesystem::path> mp3;  // empty when lame is not installed
};

const SoundFiles& Files()
{
    static const SoundFiles files = [] {
        SoundFiles f;
        f.folder = std::filesystem::temp_directory_path() / "glimmora-bench-sound";
        std::filesystem::create_directories(f.folder);
        f.wav = f.folder / "three minutes.wav";
        if (!std::filesystem::exists(f.wav)) WriteStereoWave(f.wav);
        const auto mp3 = f.folder / "three minutes.mp3";
        if (!std::filesystem::exists(mp3) && std::system("command -v lame >/dev/null 2>&1") == 0) {
            const std::string command = "lame --quiet -b 128 '" + f.wav.string() + "' '" + mp3.string() + "'";
            if (std::system(command.c_str()) != 0) std::filesystem::remove(mp3);
        }
        if (std::filesystem::exists(mp3)) f.mp3 = mp3;
        return f;
    }();
    return files;
}

// TEMP points at the benchmark folder while a chosen sound is converted.
class TempFolderOverride {
public:
    explicit TempFolderOverride(const std::filesystem::path& folder)
    {
        if (const char* old = std::getenv("TEMP")) old_ = old;
        setenv("TEMP", folder.c_str(), 1);
    }
    ~TempFolderOverride()
    {
        if (old_) setenv("TEMP", old_->c_str(), 1);
        else unsetenv("TEMP");
    }

private:
    std::optional<std::string> old_;
};

void BM_ConvertWaveStereo44kToMono22k(benchmark::State& state)
{
    const SoundFiles& files = Files();
    for (auto _ : state) {
        WaveFile wave;
        wave.SetFileName(files.wav);
        wave.ConvertToFile(files.folder / "converted.wav", BuildPcmFormat(16, 1, 22050));
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(std::filesystem::file_size(files.wav)));
}
BENCHMARK(BM_ConvertWaveStereo44kToMono22k)->Unit(benchmark::kMillisecond);

void BM_ConvertChosenWave(benchmark::State& state)
{
    const SoundFiles& files = Files();
    TempFolderOverride temp(files.folder);
    for (auto _ : state) {
        const SoundConversionResult result = ConvertChosenSound(files.wav.string(), files.folder / "Sound_1.wav", {});
        if (!result.Converted()) state.SkipWithError(result.message.c_str());
    }
}
BENCHMARK(BM_ConvertChosenWave)->Unit(benchmark::kMillisecond);

void BM_DecodeMp3(benchmark::State& state)
{
    const SoundFiles& files = Files();
    if (!files.mp3) return state.SkipWithError("lame is not installed");
    for (auto _ : state) DecodeToPcmWave(*files.mp3, files.folder / "decoded.wav");
}
BENCHMARK(BM_DecodeMp3)->Unit(benchmark::kMillisecond);

void BM_ConvertChosenMp3(benchmark::State& state)
{
    const SoundFiles& files = Files();
    if (!files.mp3) return state.SkipWithError("lame is not installed");
    TempFolderOverride temp(files.folder);
    for (auto _ : state) {
        const SoundConversionResult result = ConvertChosenSound(files.mp3->string(), files.folder / "Sound_1.wav", {});
        if (!result.Converted()) state.SkipWithError(result.message.c_str());
    }
}
BENCHMARK(BM_ConvertChosenMp3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glimmora::bench
