#include "swf/encoder/PngInspector.h"

#include "swf/SwfService.h"

#include <cstring>

#include <png.h>

namespace glimmora::swf {

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// Releases libpng's state on every way out.
struct ImageSession {
    png_image image{};
    ~ImageSession() { png_image_free(&image); }
};

}  // namespace

RgbaPixels InspectPng(const uint8_t* data, size_t size, const std::string& fileName)
{
    const std::string quoted = "\"" + fileName + "\"";
    if (size < sizeof kSignature || std::memcmp(data, kSignature, sizeof kSignature) != 0)
        throw SwfError("Picture file " + quoted + " is not a PNG file");

    ImageSession session;
    png_image& image = session.image;
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size))
        throw SwfError("Picture file " + quoted + " is damaged: " + image.message);
    if (image.width < 1 || image.height < 1)
        throw SwfError("Picture file " + quoted + " has no pixels");
    if (image.width > png_uint_32(kMaxPngSide) || image.height > png_uint_32(kMaxPngSide) ||
        int64_t(image.width) * image.height > kMaxPngPixels)
        throw SwfError("Picture file " + quoted + " is too large (" + std::to_string(image.width) + " x " +
                       std::to_string(image.height) + " pixels)");

    image.format = PNG_FORMAT_RGBA;
    RgbaPixels pixels;
    pixels.width = int(image.width);
    pixels.height = int(image.height);
    pixels.rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.rgba.data(), 0, nullptr))
        throw SwfError("Picture file " + quoted + " is damaged: " + image.message);
    return pixels;
}

}  // namespace glimmora::swf
