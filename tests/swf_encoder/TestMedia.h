#pragma once
// Picture and sound files made on the spot for the encoder tests.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace glimmora::test {

// A baseline JPEG of the given size, encoded with libjpeg.
std::vector<uint8_t> MakeJpeg(int width, int height, uint8_t shade = 128);

// An 8-bit RGBA PNG of the given size, each pixel {R, G, B, A} from `pixel`.
using RgbaOf = std::function<std::array<uint8_t, 4>(int x, int y)>;
std::vector<uint8_t> MakePng(int width, int height, const RgbaOf& pixel);

struct WaveSpec {
    uint16_t format = 1;  // 1 = PCM
    uint16_t channels = 1;
    uint32_t rate = 22050;
    uint16_t bits = 16;
    uint32_t samples = 100;  // per channel
};

// A RIFF WAVE file of the fixture, with a ramp as its samples.
std::vector<uint8_t> MakeWave(const WaveSpec& fixture);

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);

}  // namespace glimmora::test
