#include "effects/picture/import/JpegEncoder.h"

#include "effects/picture/import/JpegFailure.h"
#include "effects/picture/import/PictureError.h"

#include <cstdlib>
#include <string>

namespace glimmora {

namespace {

struct EncodeSession {
    jpeg_compress_struct cinfo{};
    JpegFailure failure{};
    unsigned char* buffer = nullptr;  // malloc'd by the library
    unsigned long size = 0;
    bool created = false;
};

// Only trivially destructible locals here: a longjmp may leave it at any call.
bool EncodeInto(EncodeSession* s, const RgbImage* image, int quality)
{
    j_common_ptr common = reinterpret_cast<j_common_ptr>(&s->cinfo);
    InstallJpegFailure(common, s->failure);
    if (setjmp(s->failure.jump)) return false;

    jpeg_create_compress(&s->cinfo);
    s->created = true;
    jpeg_mem_dest(&s->cinfo, &s->buffer, &s->size);
    s->cinfo.image_width = JDIMENSION(image->width);
    s->cinfo.image_height = JDIMENSION(image->height);
    s->cinfo.input_components = 3;
    s->cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&s->cinfo);
    jpeg_set_quality(&s->cinfo, quality, TRUE);
    jpeg_start_compress(&s->cinfo, TRUE);
    while (s->cinfo.next_scanline < s->cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image->Row(int(s->cinfo.next_scanline)));
        jpeg_write_scanlines(&s->cinfo, &row, 1);
    }
    jpeg_finish_compress(&s->cinfo);
    return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const RgbImage& image, int quality)
{
    if (image.width < 1 || image.height < 1 || image.pixels.size() != std::size_t(image.width) * image.height * 3)
        throw PictureError("Cannot encode an empty or inconsistent picture");
    EncodeSession session;
    struct Release {
        EncodeSession& s;
        ~Release()
        {
            if (s.created) jpeg_destroy_compress(&s.cinfo);
            std::free(s.buffer);
        }
    } release{session};
    if (!EncodeInto(&session, &image, quality))
        throw PictureError(std::string("Cannot encode the picture as JPEG: ") + session.failure.message);
    return std::vector<std::uint8_t>(session.buffer, session.buffer + session.size);
}

}  // namespace glimmora
