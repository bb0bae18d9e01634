// JPEG decoding through libjpeg with an error manager that returns instead of
// exiting the process.

#include "player/BitmapDecoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace glimmora::player {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void OnMessage(j_common_ptr, int) {}

// All state lives here, outside the frame that calls setjmp, so that a jump
// back leaves nothing half-built on the stack.
struct Session {
    jpeg_decompress_struct info{};
    ErrorManager error{};
    bool created = false;
    QImage image;
    std::vector<JSAMPROW> rows;
    ~Session()
    {
        if (created) {
            jpeg_destroy_decompress(&info);
        }
    }
};

bool Decode(Session& s, const std::vector<uint8_t>& data)
{
    s.info.err = jpeg_std_error(&s.error.base);
    s.error.base.error_exit = OnError;
    s.error.base.emit_message = OnMessage;
    if (setjmp(s.error.jump)) {
        return false;
    }
    jpeg_create_decompress(&s.info);
    s.created = true;
    jpeg_mem_src(&s.info, data.data(), static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&s.info, TRUE) != JPEG_HEADER_OK) {
        return false;
    }
    s.info.out_color_space = JCS_EXT_BGRA;
    const int64_t pixels = int64_t(s.info.image_width) * s.info.image_height;
    if (pixels <= 0 || pixels > kMaxBitmapPixels) {
        return false;
    }
    jpeg_start_decompress(&s.info);
    s.image = QImage(int(s.info.output_width), int(s.info.output_height),
                     QImage::Format_ARGB32_Premultiplied);
    if (s.image.isNull() || s.info.output_components != 4) {
        return false;
    }
    while (s.info.output_scanline < s.info.output_height) {
        JSAMPROW row = s.image.scanLine(int(s.info.output_scanline));
        jpeg_read_scanlines(&s.info, &row, 1);
    }
    jpeg_finish_decompress(&s.info);
    return true;
}

}  // namespace

std::vector<uint8_t> CleanJpegHeader(const std::vector<uint8_t>& data)
{
    std::vector<uint8_t> out;
    out.reserve(data.size());
    bool frameSeen = false;
    for (size_t i = 0; i < data.size(); ++i) {
        if (!frameSeen && i + 1 < data.size() && data[i] == 0xFF && data[i + 1] == 0xC0) {
            frameSeen = true;
        }
        if (!frameSeen && i + 3 < data.size() && data[i] == 0xFF && data[i + 1] == 0xD9 &&
            data[i + 2] == 0xFF && data[i + 3] == 0xD8) {
            i += 3;
            continue;
        }
        out.push_back(data[i]);
    }
    return out;
}

QImage DecodeJpeg(const std::vector<uint8_t>& data)
{
    if (data.size() < 4) {
        return {};
    }
    const std::vector<uint8_t> clean = CleanJpegHeader(data);
    Session session;
    if (!Decode(session, clean)) {
        return {};
    }
    return session.image;
}

}  // namespace glimmora::player
