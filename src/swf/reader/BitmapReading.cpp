#include "swf/reader/BitmapReading.h"

#include "swf/reader/Inflate.h"
#include "swf/reader/JpegCleanup.h"

#include <algorithm>

namespace glimmora::swf {
namespace {

std::vector<uint8_t> Rest(BitReader& in) {
    size_t n = in.Remaining();
    const uint8_t* p = in.Bytes(n);
    return std::vector<uint8_t>(p, p + n);
}

}  // namespace

Bitmap ReadDefineBits(BitReader& in, DecodeContext& ctx) {
    Bitmap bitmap;
    bitmap.kind = Bitmap::Kind::Jpeg;
    size_t n = in.Remaining();
    bitmap.data = GlueJpegTables(ctx.jpegTables, in.Bytes(n), n);
    CleanJpeg(bitmap.data);
    return bitmap;
}

Bitmap ReadDefineBitsJpeg2(BitReader& in) {
    Bitmap bitmap;
    bitmap.kind = Bitmap::Kind::Jpeg;
    bitmap.data = Rest(in);  // a JPEG, or from SWF 8 a PNG or GIF
    CleanJpeg(bitmap.data);  // leaves anything but a JPEG alone
    return bitmap;
}

Bitmap ReadDefineBitsJpeg3(BitReader& in, DecodeContext& ctx) {
    Bitmap bitmap;
    bitmap.kind = Bitmap::Kind::JpegWithAlpha;
    uint32_t imageSize = in.U32();
    const uint8_t* image = in.Bytes(imageSize);
    bitmap.data.assign(image, image + imageSize);
    if (!LooksLikeJpeg(bitmap.data)) {  // PNG or GIF carry their own transparency
        bitmap.kind = Bitmap::Kind::Jpeg;
        return bitmap;
    }
    CleanJpeg(bitmap.data);
    JpegSize size = ReadJpegSize(bitmap.data);
    size_t pixels = size_t(size.width) * size.height;
    if (in.Remaining() == 0 || pixels == 0) return bitmap;
    if (pixels > ctx.limits.maxInflatedBytes) {
        throw DecodeError("the alpha channel of a " + std::to_string(size.width) + "x" + std::to_string(size.height) +
                          " image exceeds the size limit");
    }
    size_t n = in.Remaining();
    InflateBounds bounds{pixels, false, false};
    bitmap.alpha = Inflate(in.Bytes(n), n, bounds, "alpha channel");
    bitmap.alpha.resize(pixels, 255);  // missing alpha counts as opaque
    return bitmap;
}

Bitmap ReadDefineBitsLossless(BitReader& in, bool withAlpha, DecodeContext& ctx) {
    Bitmap bitmap;
    bitmap.kind = Bitmap::Kind::Lossless;
    bitmap.losslessAlpha = withAlpha;
    bitmap.losslessFormat = in.U8();
    bitmap.width = in.U16();
    bitmap.height = in.U16();

    size_t w = bitmap.width, h = bitmap.height, expected = 0;
    switch (bitmap.losslessFormat) {
    case 3:
        bitmap.colorTableSize = uint16_t(in.U8() + 1);
        expected = size_t(bitmap.colorTableSize) * (withAlpha ? 4 : 3) + ((w + 3) & ~size_t(3)) * h;
        break;
    case 4:
        if (withAlpha) throw DecodeError("DefineBitsLossless2 has no 15-bit format");
        expected = ((w + 1) & ~size_t(1)) * 2 * h;
        break;
    case 5:
        expected = w * h * 4;
        break;
    default:
        throw DecodeError("unknown lossless bitmap format " + std::to_string(bitmap.losslessFormat));
    }
    if (expected > ctx.limits.maxInflatedBytes) {
        throw DecodeError("a " + std::to_string(w) + "x" + std::to_string(h) + " bitmap exceeds the size limit");
    }
    size_t n = in.Remaining();
    InflateBounds bounds{expected, false, false};
    bitmap.data = Inflate(in.Bytes(n), n, bounds, "bitmap data");
    if (bitmap.data.size() < expected) {
        throw DecodeError("the bitmap data holds " + std::to_string(bitmap.data.size()) + " bytes where " +
                          std::to_string(expected) + " are needed");
    }
    return bitmap;
}

}  // namespace glimmora::swf
