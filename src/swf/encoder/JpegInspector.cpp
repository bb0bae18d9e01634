#include "swf/encoder/JpegInspector.h"

#include "swf/SwfService.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace glimmora::swf {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = {};
    int warnings = 0;
    char firstWarning[JMSG_LENGTH_MAX] = {};
};

void OnError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void OnMessage(j_common_ptr info, int level)
{
    if (level >= 0) {
        return;  // trace messages
    }
    // Warnings are about corrupt data: a truncated file, bad Huffman codes.
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    if (manager->warnings++ == 0) {
        (*info->err->format_message)(info, manager->firstWarning);
    }
}

}  // namespace

JpegSize InspectJpeg(const uint8_t* data, size_t size, const std::string& fileName)
{
    const std::string quoted = "\"" + fileName + "\"";
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8 || data[2] != 0xFF) {
        throw SwfError("Picture file " + quoted + " is not a JPEG file");
    }
    jpeg_decompress_struct info{};
    ErrorManager manager;
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = OnError;
    manager.base.emit_message = OnMessage;
    if (setjmp(manager.jump)) {
        jpeg_destroy_decompress(&info);
        throw SwfError("Picture file " + quoted + " is damaged: " + manager.message);
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (info.num_components != 1 && info.num_components != 3) {
        jpeg_destroy_decompress(&info);
        throw SwfError("Picture file " + quoted +
                       " has CMYK or other colours that players cannot show");
    }
    jpeg_start_decompress(&info);
    const JpegSize result{int(info.image_width), int(info.image_height)};
    // The row buffer belongs to libjpeg, so a longjmp out of decoding leaks nothing.
    JSAMPARRAY rows = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                info.output_width * info.output_components, 1);
    while (info.output_scanline < info.output_height) {
        jpeg_read_scanlines(&info, rows, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (manager.warnings > 0) {
        throw SwfError("Picture file " + quoted + " is damaged: " + manager.firstWarning);
    }
    if (result.width <= 0 || result.height <= 0) {
        throw SwfError("Picture file " + quoted + " has no pixels");
    }
    return result;
}

}  // namespace glimmora::swf
