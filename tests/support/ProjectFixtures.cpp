#include "support/ProjectFixtures.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

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

void WriteSolidJpeg(const std::filesystem::path& file, int width, int height, int r, int g, int b)
{
    std::vector<unsigned char> row(size_t(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[size_t(x) * 3] = (unsigned char)r;
        row[size_t(x) * 3 + 1] = (unsigned char)g;
        row[size_t(x) * 3 + 2] = (unsigned char)b;
    }
    FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) throw std::runtime_error("cannot write " + file.string());
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&cinfo, &p, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(out);
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
