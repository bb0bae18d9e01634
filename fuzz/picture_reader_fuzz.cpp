// libFuzzer target: the readers of pictures with transparency on arbitrary
// bytes: Qt's PNG, GIF and WebP readers as the import uses them (the first
// byte picks the format), and the movie's own PNG reader with the bitmap
// made from it. Every input must end in a picture or in the reader's error.

#include "effects/picture/import/PictureError.h"
#include "effects/picture/import/QtPictureReader.h"
#include "swf/SwfService.h"
#include "swf/encoder/AlphaBitmap.h"
#include "swf/encoder/PngInspector.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    const std::vector<std::uint8_t> bytes(data + 1, data + size);
    static const char* const kFormats[] = {"png", "gif", "webp"};
    try {
        const glimmora::ImportedPicture picture = glimmora::ReadPictureWithQt(bytes, kFormats[data[0] % 3]);
        const std::size_t pixels = std::size_t(picture.Width()) * std::size_t(picture.Height());
        if (picture.colour.pixels.size() != pixels * 3 || (!picture.alpha.empty() && picture.alpha.size() != pixels))
            std::abort();
    } catch (const glimmora::PictureError&) {
    }
    try {
        const glimmora::swf::RgbaPixels pixels = glimmora::swf::InspectPng(bytes.data(), bytes.size(), "fuzz.png");
        if (pixels.rgba.size() != std::size_t(pixels.width) * std::size_t(pixels.height) * 4) std::abort();
        const glimmora::swf::BitmapImage bitmap = glimmora::swf::MakeAlphaBitmap(pixels);
        if (bitmap.bytes.empty()) std::abort();
    } catch (const glimmora::SwfError&) {
    }
    return 0;
}
