#include "projects/MediaFiles.h"

#include "effects/picture/import/JpegEncoder.h"
#include "effects/picture/import/RgbImage.h"
#include "effects/sound/conversion/PcmEncoding.h"
#include "effects/sound/conversion/WaveFormat.h"
#include "effects/sound/conversion/WaveWriter.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <vector>

namespace glimmora::bench {

void WriteJpeg(const std::filesystem::path& file, int width, int height, int seed)
{
    // Every seed below 65536 gives a picture of its own.
    RgbImage image = AllocateRgbImage(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = image.Row(y) + size_t(x) * 3;
            p[0] = uint8_t((x * 255 / width + seed * 37 + (seed >> 8) * 101) & 0xFF);
            p[1] = uint8_t((y * 255 / height + seed * 71) & 0xFF);
            p[2] = uint8_t(((x ^ y) + seed * 13) & 0xFF);
        }
    const std::vector<uint8_t> jpeg = EncodeJpeg(image, 75);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(jpeg.data()), std::streamsize(jpeg.size()));
}

void WriteWave(const std::filesystem::path& file, int rate, double seconds, double hz)
{
    const size_t samples = size_t(rate * seconds);
    std::vector<float> data(samples);
    for (size_t i = 0; i < samples; ++i) data[i] = float(12000.0 / 32768.0 * std::sin(2 * std::numbers::pi * hz * double(i) / rate));
    std::vector<uint8_t> bytes;
    EncodePcm(data.data(), data.size(), 16, bytes);
    WaveWriter writer(file, BuildPcmFormat(16, 1, uint32_t(rate)));
    writer.Write(bytes);
    writer.Finish();
}

}  // namespace glimmora::bench
