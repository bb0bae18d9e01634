#include "effects/picture/import/JpegDecoder.h"

#include "effects/picture/import/PictureError.h"
#include "swf/encoder/JpegFailure.h"

#include <string>

namespace glimmora {

namespace {

using swf::FailJpeg;
using swf::InstallJpegFailure;
using swf::JpegFailure;

// Progressive files may hold any number of scans; a damaged or hostile one
// could keep the decoder busy for a long time.
constexpr int kMaxScans = 1000;
// The library's own working memory (coefficient buffers of progressive files).
constexpr long kMaxLibraryMemory = 512L * 1024 * 1024;

// Everything the library touches lives here, outside the function that calls
// setjmp, and is destroyed by the caller.
struct DecodeSession {
    jpeg_decompress_struct cinfo{};
    JpegFailure failure{};
    jpeg_progress_mgr progress{};
    bool created = false;
};

void LimitScans(j_common_ptr object)
{
    auto* cinfo = reinterpret_cast<j_decompress_ptr>(object);
    if (cinfo->input_scan_number > kMaxScans) FailJpeg(object, "Too many scans in a progressive JPEG file");
}

// Row of `components` samples to RGB. CMYK from Adobe files is stored
// inverted (0 is full ink), which the Adobe marker tells.
void ToRgb(const JSAMPLE* in, std::uint8_t* out, int width, int components, bool invertedCmyk)
{
    for (int x = 0; x < width; ++x, out += 3) {
        if (components == 1) {
            out[0] = out[1] = out[2] = in[x];
        } else if (components == 3) {
            out[0] = in[3 * x];
            out[1] = in[3 * x + 1];
            out[2] = in[3 * x + 2];
        } else {
            const JSAMPLE* p = in + 4 * x;
            const unsigned k = invertedCmyk ? p[3] : 255u - p[3];
            for (int c = 0; c < 3; ++c) {
                const unsigned ink = invertedCmyk ? p[c] : 255u - p[c];
                out[c] = std::uint8_t((ink * k + 127) / 255);
            }
        }
    }
}

// Only trivially destructible locals here: a longjmp may leave it at any call.
bool DecodeInto(DecodeSession* s, const std::uint8_t* data, std::size_t size, RgbImage* image)
{
    j_common_ptr common = reinterpret_cast<j_common_ptr>(&s->cinfo);
    InstallJpegFailure(common, s->failure);
    if (setjmp(s->failure.jump)) return false;

    jpeg_create_decompress(&s->cinfo);
    s->created = true;
    s->cinfo.mem->max_memory_to_use = kMaxLibraryMemory;
    s->progress.progress_monitor = LimitScans;
    s->cinfo.progress = &s->progress;
    jpeg_mem_src(&s->cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&s->cinfo, TRUE);
    CheckPictureDimensions(s->cinfo.image_width, s->cinfo.image_height);

    int components = 3;
    switch (s->cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        s->cinfo.out_color_space = JCS_GRAYSCALE;
        components = 1;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        s->cinfo.out_color_space = JCS_CMYK;
        components = 4;
        break;
    default: s->cinfo.out_color_space = JCS_RGB; break;
    }
    jpeg_start_decompress(&s->cinfo);
    if (s->cinfo.output_components != components) FailJpeg(common, "Unsupported JPEG colour layout");

    *image = AllocateRgbImage(s->cinfo.output_width, s->cinfo.output_height);
    JSAMPARRAY row = (*s->cinfo.mem->alloc_sarray)(common, JPOOL_IMAGE, s->cinfo.output_width * components, 1);
    const bool inverted = s->cinfo.saw_Adobe_marker;
    while (s->cinfo.output_scanline < s->cinfo.output_height) {
        const int y = int(s->cinfo.output_scanline);
        if (jpeg_read_scanlines(&s->cinfo, row, 1) != 1) FailJpeg(common, "Premature end of JPEG file");
        ToRgb(row[0], image->Row(y), image->width, components, inverted);
    }
    jpeg_finish_decompress(&s->cinfo);
    return true;
}

}  // namespace

RgbImage DecodeJpeg(const std::uint8_t* data, std::size_t size)
{
    DecodeSession session;
    struct Release {
        DecodeSession& s;
        ~Release()
        {
            if (s.created) jpeg_destroy_decompress(&s.cinfo);
        }
    } release{session};
    RgbImage image;
    if (!DecodeInto(&session, data, size, &image)) throw PictureError(session.failure.message);
    return image;
}

}  // namespace glimmora
