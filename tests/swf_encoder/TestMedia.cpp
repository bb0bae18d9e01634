#include "TestMedia.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <jpeglib.h>
#include <png.h>

namespace glimmora::test {

std::vector<uint8_t> MakeJpeg(int width, int height, uint8_t shade)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 75, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(width) * 3);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x) {
            row[size_t(x) * 3] = JSAMPLE((x * 255) / (width > 1 ? width - 1 : 1));
            row[size_t(x) * 3 + 1] = shade;
            row[size_t(x) * 3 + 2] = JSAMPLE(info.next_scanline % 256);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

std::vector<uint8_t> MakePng(int width, int height, const RgbaOf& pixel)
{
    std::vector<uint8_t> rgba(size_t(width) * size_t(height) * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const auto p = pixel(x, y);
            std::copy(p.begin(), p.end(), rgba.begin() + (size_t(y) * size_t(width) + size_t(x)) * 4);
        }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(image, size, 0, rgba.data(), 0, nullptr))
        throw std::runtime_error(image.message);
    std::vector<uint8_t> bytes(size);
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgba.data(), 0, nullptr))
        throw std::runtime_error(image.message);
    bytes.resize(size);
    return bytes;
}

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutId(std::vector<uint8_t>& out, const char* id) { out.insert(out.end(), id, id + 4); }

}  // namespace

std::vector<uint8_t> MakeWave(const WaveSpec& fixture)
{
    const uint32_t blockAlign = fixture.channels * fixture.bits / 8;
    const uint32_t dataSize = fixture.samples * blockAlign;
    std::vector<uint8_t> out;
    PutId(out, "RIFF");
    Put32(out, 4 + 8 + 16 + 8 + dataSize);
    PutId(out, "WAVE");
    PutId(out, "fmt ");
    Put32(out, 16);
    Put16(out, fixture.format);
    Put16(out, fixture.channels);
    Put32(out, fixture.rate);
    Put32(out, fixture.rate * blockAlign);
    Put16(out, blockAlign);
    Put16(out, fixture.bits);
    PutId(out, "data");
    Put32(out, dataSize);
    for (uint32_t i = 0; i < dataSize; ++i) {
        out.push_back(uint8_t(i * 7));
    }
    return out;
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

}  // namespace glimmora::test
