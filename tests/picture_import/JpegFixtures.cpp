#include "JpegFixtures.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace glimmora::test {

std::vector<std::uint8_t> WriteTestJpeg(const JpegSpec& fixture)
{
    // Only valid input reaches here: the library's default error handling will do.
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(fixture.width);
    cinfo.image_height = JDIMENSION(fixture.height);
    const int components = fixture.layout == JpegLayout::Grey ? 1 : fixture.layout == JpegLayout::Rgb ? 3 : 4;
    cinfo.input_components = components;
    cinfo.in_color_space = fixture.layout == JpegLayout::Grey ? JCS_GRAYSCALE
                           : fixture.layout == JpegLayout::Rgb ? JCS_RGB
                                                            : JCS_CMYK;
    jpeg_set_defaults(&cinfo);  // CMYK input: CMYK file with an Adobe marker
    jpeg_set_quality(&cinfo, fixture.quality, TRUE);
    if (fixture.progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(std::size_t(fixture.width) * components);
    for (int y = 0; y < fixture.height; ++y) {
        for (int x = 0; x < fixture.width; ++x) {
            const auto c = fixture.colour(x, y);
            JSAMPLE* p = row.data() + std::size_t(x) * components;
            if (components == 1) {
                p[0] = c[0];
            } else if (components == 3) {
                p[0] = c[0], p[1] = c[1], p[2] = c[2];
            } else {  // inverted CMYK: stored value = amount of the colour left, K none
                p[0] = c[0], p[1] = c[1], p[2] = c[2], p[3] = 255;
            }
        }
        JSAMPROW rowPtr = row.data();
        jpeg_write_scanlines(&cinfo, &rowPtr, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

int LuminanceQuantDc(const std::vector<std::uint8_t>& jpeg)
{
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&cinfo, TRUE);
    const int dc = cinfo.quant_tbl_ptrs[0] ? cinfo.quant_tbl_ptrs[0]->quantval[0] : -1;
    jpeg_destroy_decompress(&cinfo);
    return dc;
}

}  // namespace glimmora::test
