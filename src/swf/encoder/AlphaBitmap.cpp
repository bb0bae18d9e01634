#include "swf/encoder/AlphaBitmap.h"

#include "swf/SwfService.h"
#include "swf/encoder/ContentHash.h"
#include "swf/encoder/JpegEncoding.h"

#include <zlib.h>

namespace glimmora::swf {

namespace {

uint8_t Premultiplied(uint8_t colour, uint8_t alpha) { return uint8_t((colour * alpha + 127) / 255); }

std::vector<uint8_t> Deflate(const std::vector<uint8_t>& data)
{
    uLongf size = compressBound(uLong(data.size()));
    std::vector<uint8_t> out(size);
    if (compress2(out.data(), &size, data.data(), uLong(data.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
        throw SwfError("Cannot compress a picture: out of memory");
    out.resize(size);
    return out;
}

BitmapImage Lossless(const RgbaPixels& pixels)
{
    std::vector<uint8_t> argb(pixels.rgba.size());
    for (size_t i = 0; i + 3 < pixels.rgba.size(); i += 4) {
        const uint8_t* p = &pixels.rgba[i];
        argb[i] = p[3];
        argb[i + 1] = Premultiplied(p[0], p[3]);
        argb[i + 2] = Premultiplied(p[1], p[3]);
        argb[i + 3] = Premultiplied(p[2], p[3]);
    }
    BitmapImage image;
    image.form = BitmapImage::Form::Lossless;
    image.bytes = Deflate(argb);
    return image;
}

BitmapImage JpegWithAlpha(const RgbaPixels& pixels)
{
    const size_t count = size_t(pixels.width) * size_t(pixels.height);
    std::vector<uint8_t> rgb(count * 3);
    std::vector<uint8_t> alpha(count);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* p = &pixels.rgba[i * 4];
        rgb[i * 3] = Premultiplied(p[0], p[3]);
        rgb[i * 3 + 1] = Premultiplied(p[1], p[3]);
        rgb[i * 3 + 2] = Premultiplied(p[2], p[3]);
        alpha[i] = p[3];
    }
    BitmapImage image;
    image.form = BitmapImage::Form::JpegWithAlpha;
    image.bytes = EncodeJpeg(rgb.data(), pixels.width, pixels.height, kAlphaJpegQuality);
    image.alpha = Deflate(alpha);
    return image;
}

}  // namespace

BitmapImage MakeAlphaBitmap(const RgbaPixels& pixels)
{
    BitmapImage image = Lossless(pixels);
    BitmapImage photo = JpegWithAlpha(pixels);
    if ((photo.bytes.size() + photo.alpha.size()) * 2 <= image.bytes.size()) image = std::move(photo);
    image.width = pixels.width;
    image.height = pixels.height;
    image.hash = HashBytes(image.bytes.data(), image.bytes.size()) ^ HashBytes(image.alpha.data(), image.alpha.size());
    return image;
}

}  // namespace glimmora::swf
