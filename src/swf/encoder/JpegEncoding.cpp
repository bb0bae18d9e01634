#include "swf/encoder/JpegEncoding.h"

#include "swf/SwfService.h"
#include "swf/encoder/JpegFailure.h"

#include <cstdlib>
#include <string>

namespace glimmora::swf {

namespace {

struct EncodeSession {
    jpeg_compress_struct cinfo{};
    JpegFailure failure{};
    unsigned char* buffer = nullptr;  // malloc'd by the library
    unsigned long size = 0;
    bool created = false;
};

// Only trivially destructible locals here: a longjmp may leave it at any call.
bool EncodeInto(EncodeSession* s, const uint8_t* rgb, int width, int height, int quality)
{
    j_common_ptr common = reinterpret_cast<j_common_ptr>(&s->cinfo);
    InstallJpegFailure(common, s->failure);
    if (setjmp(s->failure.jump)) return false;

    jpeg_create_compress(&s->cinfo);
    s->created = true;
    jpeg_mem_dest(&s->cinfo, &s->buffer, &s->size);
    s->cinfo.image_width = JDIMENSION(width);
    s->cinfo.image_height = JDIMENSION(height);
    s->cinfo.input_components = 3;
    s->cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&s->cinfo);
    jpeg_set_quality(&s->cinfo, quality, TRUE);
    jpeg_start_compress(&s->cinfo, TRUE);
    const size_t stride = size_t(width) * 3;
    while (s->cinfo.next_scanline < s->cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + stride * s->cinfo.next_scanline);
        jpeg_write_scanlines(&s->cinfo, &row, 1);
    }
    jpeg_finish_compress(&s->cinfo);
    return true;
}

}  // namespace

std::vector<uint8_t> EncodeJpeg(const uint8_t* rgb, int width, int height, int quality)
{
    if (width < 1 || height < 1 || rgb == nullptr) throw SwfError("Cannot encode an empty picture as JPEG");
    EncodeSession session;
    struct Release {
        EncodeSession& s;
        ~Release()
        {
            if (s.created) jpeg_destroy_compress(&s.cinfo);
            std::free(s.buffer);
        }
    } release{session};
    if (!EncodeInto(&session, rgb, width, height, quality))
        throw SwfError(std::string("Cannot encode the picture as JPEG: ") + session.failure.message);
    return std::vector<uint8_t>(session.buffer, session.buffer + session.size);
}

}  // namespace glimmora::swf
