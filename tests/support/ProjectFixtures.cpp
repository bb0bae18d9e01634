#include "support/ProjectFixtures.h"

#include "effects/picture/import/JpegEncoder.h"
#include "effects/picture/import/RgbImage.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>


namespace glimmora::test {

void WriteFile(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string ReadFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> FileNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void WriteSolidJpeg(const std::filesystem::path& file, int width, int height, int r, int g, int b)
{
    RgbImage image = AllocateRgbImage(width, height);
    for (size_t i = 0; i < image.pixels.size(); i += 3) {
        image.pixels[i] = uint8_t(r);
        image.pixels[i + 1] = uint8_t(g);
        image.pixels[i + 2] = uint8_t(b);
    }
    const std::vector<uint8_t> jpeg = EncodeJpeg(image, 95);
    WriteFile(file, std::string(jpeg.begin(), jpeg.end()));
}

void WriteSolidBmp(const std::filesystem::path& file, int width, int height, int r, int g, int b)
{
    const int stride = (width * 3 + 3) & ~3;
    const uint32_t dataSize = uint32_t(stride) * uint32_t(height);
    std::string bytes;
    auto u16 = [&](uint32_t v) { bytes += char(v & 0xFF); bytes += char((v >> 8) & 0xFF); };
    auto u32 = [&](uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); };
    bytes += "BM";
    u32(54 + dataSize);
    u32(0);
    u32(54);
    u32(40);
    u32(uint32_t(width));
    u32(uint32_t(height));
    u16(1);
    u16(24);
    u32(0);
    u32(dataSize);
    u32(2835);
    u32(2835);
    u32(0);
    u32(0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bytes += char(b);
            bytes += char(g);
            bytes += char(r);
        }
        bytes.append(size_t(stride - width * 3), '\0');
    }
    WriteFile(file, bytes);
}

}  // namespace glimmora::test
